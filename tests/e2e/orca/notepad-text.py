# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Prints the notepad's text as a screen reader reads it through AT-SPI.
import pyatspi

desktop = pyatspi.Registry.getDesktop(0)
app = next(a for a in desktop if a is not None and a.name.lower() == "gitterspor")
pad = pyatspi.findDescendant(app, lambda o: o is not None and o.name == "Notesblok med dine gæt")
text = pad.queryText()
print(text.getText(0, -1))
