#pragma once
// The legend and unit glyphs of the large font (codes 0x90..0xD0) by name. They are string
// literals so that they join the texts and formats they stand in:
//   GLYPH_DISTANCE_ARROW "%6.1f" GLYPH_KM
// A name of several cells stands for a word drawn across that many cells.

#define GLYPH_LITRES           "\x90"  // "Lt" (litres)
#define GLYPH_GALLONS          "\x91"  // "Gl" (gallons)
#define GLYPH_LITRES_PER_HOUR  "\x92"  // "L/h"
#define GLYPH_GALLONS_PER_HOUR "\x93"  // "G/h"
#define GLYPH_FEET             "\x94"  // "ft"; also the first cell of ft/m
#define GLYPH_METRES           "\x95"  // "m"; also the first cell of m/s
#define GLYPH_PER_MINUTE       "\x96"  // "/m" after ft
#define GLYPH_PER_SECOND       "\x97"  // "/s" after m
#define GLYPH_MPH_UPPER        "\x98"  // "m" of mph, above GLYPH_MPH_LOWER
#define GLYPH_MPH_LOWER        "\x99"  // "ph" of mph
#define GLYPH_KNOTS_UPPER      "\x9a"  // "k" of kn, above GLYPH_KNOTS_LOWER
#define GLYPH_KNOTS_LOWER      "\x9b"  // "n" of kn
#define GLYPH_KMH_UPPER        "\x9c"  // "km" of km/h with the fraction bar, above GLYPH_KMH_LOWER
#define GLYPH_KMH_LOWER        "\x9d"  // "h" of km/h
#define GLYPH_DEGREES_C        "\xa0"  // degrees C
#define GLYPH_DEGREES_F        "\xa1"  // degrees F
#define LEGEND_ALT             "\xa2\xa3"  // "ALT"
#define LEGEND_ASI             "\xa4\xa5"  // "ASI"
#define LEGEND_RPM             "\xa6\xa7"  // "RPM"
#define LEGEND_VSI             "\xa8\xa9"  // "VSI"
#define LEGEND_FUEL_LEVEL      "\xaa"  // "FL"
#define LEGEND_FUEL_FLOW       "\xab"  // "FF"
#define LEGEND_FUEL_RANGE      "\xac"  // "FR"
#define LEGEND_FUEL_ENDURANCE  "\xad"  // "FE"
#define LEGEND_CLOCK           "\xae"  // clock face
#define LEGEND_FLIGHT_TIME     "\xaf"  // "FT"
#define LEGEND_TEMPERATURE     "\xb0"  // "TP"
#define GLYPH_ARROW_DOWN       "\xb1"  // arrow down and to the right (sinking)
#define GLYPH_ARROW_UP         "\xb2"  // arrow up and to the right (climbing)
#define GLYPH_MILES            "\xb3"  // "mi" (statute miles)
#define GLYPH_KM               "\xb4\xb5"  // "km"
#define GLYPH_NM               "\xb6\xb7"  // "nm" (nautical miles)
#define LEGEND_HOBBS           "\xb8\xb9"  // "HBS"
#define LEGEND_MAINTENANCE     "\xba\xbb"  // "MNT"
#define LEGEND_DENSITY_ALT     "\xbc\xbd"  // "DA"
#define LEGEND_BAROMETER       "\xbe\xbf"  // "BAR"
#define GLYPH_MILLIBAR         "\xc0\xc1"  // "mB"
#define GLYPH_INCH_HG          "\xc2\xc3"  // inches of mercury
#define LEGEND_STOPWATCH       "\xc4"  // stopwatch
#define LEGEND_TAS             "\xc5\xc6"  // "TAS"
#define GLYPH_DISTANCE_ARROW   "\xc7"  // double-headed horizontal arrow (air distance)
#define GLYPH_KMH              "\xc8\xc9\xca"  // "km/h"
#define GLYPH_MPH              "\xcb\xcc\xcd"  // "mph"
#define GLYPH_KNOTS            "\xce\xcf\xd0"  // "knots"
