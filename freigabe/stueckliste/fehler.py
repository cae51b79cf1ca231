"""The error that ends a run with one line instead of a traceback."""


class Fehler(Exception):
    """What makes the bill of materials impossible to write or shows it wrong."""
