"""The exceptions of a generation run that did not finish."""


class GenerationError(RuntimeError):
    """A run that failed: the message is the console's fatal line (or the
    error that ended the run); `console` holds every console line and
    `errors` the error dialogs the run showed."""

    def __init__(self, message, console=(), errors=()):
        super().__init__(message)
        self.line = message
        self.console = list(console)
        self.errors = list(errors)


class Cancelled(RuntimeError):
    """A run cancelled before it finished, by its timeout or otherwise."""

    def __init__(self, message, console=()):
        super().__init__(message)
        self.console = list(console)
