"""Runs Debian's Orca as `orca --debug --debug-file LOG` would, but with the log written line by
line: Orca writes it through a buffer that only its clean exit empties, so its last seconds were
missing from a log read while it runs or after it hung at its end.

Usage: orca_mit_protokoll.py LOG [ORCA_OPTION...]"""
import runpy
import sys

from orca import debug

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1, encoding="utf-8")  # noqa: SIM115
sys.argv = ["orca"] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
