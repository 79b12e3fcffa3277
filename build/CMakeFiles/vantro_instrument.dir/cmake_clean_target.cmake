file(REMOVE_RECURSE
  "libvantro_instrument.a"
)
