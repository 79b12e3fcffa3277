# Empty dependencies file for vantro_lcd.
# This may be replaced when dependencies are built.
