file(REMOVE_RECURSE
  "libvantro_screens.a"
)
