#pragma once
// Menu pictures: sixteen 32 x 32 monochrome icons held in two display-image tables.
//
// Each table is laid out like the frame buffer (byte page * 128 + x, bit 0 the top row of
// the page) and holds eight icons in two rows of four: icon k of a table covers pages
// 4 * (k / 4) .. 4 * (k / 4) + 3 and columns 32 * (k % 4) .. 32 * (k % 4) + 31, so a whole
// icon is copied into the display as 4 pages of 32 column bytes.
#include "types.h"

/// Icons 0..7: flight log, exit / menu, calibrate, question, maximum values, message,
/// altitude setup, airspeed setup.
extern const u8 IconsLow[1024];

/// Icons 8..15: VSI setup, display setup, RPM setup, ADC values, fuel total, fuel setup,
/// Hobbs meter, volts setup.
extern const u8 IconsHigh[1024];

/// The sixteen pictures by name; the number is the picture's place in the two tables.
enum IconName : u8 {
    IconFlightLog = 0,
    IconExit = 1,
    IconCalibrate = 2,
    IconQuestion = 3,     ///< confirmation prompts
    IconMaxValues = 4,
    IconMessage = 5,      ///< message boxes and notices
    IconAltSetup = 6,
    IconAsiSetup = 7,
    IconVsiSetup = 8,
    IconDisplaySetup = 9,
    IconRpmSetup = 10,
    IconAdcValues = 11,
    IconFuelTotal = 12,
    IconFuelSetup = 13,
    IconHobbsMeter = 14,
    IconVoltsSetup = 15,
};
