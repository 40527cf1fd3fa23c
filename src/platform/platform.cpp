// Platform stand-ins over Qt.
