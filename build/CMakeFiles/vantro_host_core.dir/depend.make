# Empty dependencies file for vantro_host_core.
# This may be replaced when dependencies are built.
