# Empty dependencies file for vantro_unit_tests.
# This may be replaced when dependencies are built.
