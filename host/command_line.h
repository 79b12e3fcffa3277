#pragma once
// Reading numbers from command lines and script lines.

/// Parses a whole decimal number within low..high; false (value untouched) for anything else.
bool ParseBoundedLong(const char *text, long low, long high, long &value);
