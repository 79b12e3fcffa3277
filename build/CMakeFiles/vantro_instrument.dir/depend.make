# Empty dependencies file for vantro_instrument.
# This may be replaced when dependencies are built.
