# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Runs Orca unchanged, and writes every utterance at once to $ORCA_SPEECH_LOG:
# Orca's own debug file is written in blocks and cannot be followed live.
# Orca says what it speaks to its debug printer: println up to Orca 43,
# print_message from Orca 44 on.
import os
import sys
import time

sys.path.insert(1, "/usr/lib/python3/dist-packages")
from orca import debug  # noqa: E402

speech_log = open(os.environ["ORCA_SPEECH_LOG"], "a", encoding="utf-8", buffering=1)


def tee(printer):
    def print_and_log(level, text="", *args, **kwargs):
        if isinstance(text, str) and text.startswith("SPEECH OUTPUT"):
            now = time.time()
            speech_log.write(time.strftime("%H:%M:%S", time.localtime(now)) + f".{int(now * 1000) % 1000:03d} {text}\n")
        return printer(level, text, *args, **kwargs)
    return print_and_log


for name in ("println", "print_message"):
    if hasattr(debug, name):
        setattr(debug, name, tee(getattr(debug, name)))

sys.argv = ["/usr/bin/orca"] + sys.argv[1:]
with open("/usr/bin/orca", encoding="utf-8") as orca:
    exec(compile(orca.read(), "/usr/bin/orca", "exec"), {"__name__": "__main__", "__file__": "/usr/bin/orca"})
