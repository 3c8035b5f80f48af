// Replaced by the platform back-ends.
