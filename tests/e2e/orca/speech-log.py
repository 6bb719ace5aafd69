# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Runs Orca unchanged, and writes every utterance at once to $ORCA_SPEECH_LOG:
# Orca's own debug file is written in blocks and cannot be followed live.
import logging
import os
import sys

handler = logging.FileHandler(os.environ["ORCA_SPEECH_LOG"], encoding="utf-8")
handler.setFormatter(logging.Formatter("%(asctime)s %(message)s"))
speech = logging.getLogger("speech")
speech.addHandler(handler)
speech.setLevel(logging.INFO)
sys.argv = ["/usr/bin/orca"] + sys.argv[1:]
with open("/usr/bin/orca", encoding="utf-8") as orca:
    exec(compile(orca.read(), "/usr/bin/orca", "exec"), {"__name__": "__main__", "__file__": "/usr/bin/orca"})
