# Empty compiler generated dependencies file for vantro_face_tests.
# This may be replaced when dependencies are built.
