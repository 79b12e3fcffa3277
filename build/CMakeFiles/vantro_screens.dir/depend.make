# Empty dependencies file for vantro_screens.
# This may be replaced when dependencies are built.
