# Empty dependencies file for vantro2-script.
# This may be replaced when dependencies are built.
