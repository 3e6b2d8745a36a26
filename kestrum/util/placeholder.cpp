// Removed once the utilities land.
