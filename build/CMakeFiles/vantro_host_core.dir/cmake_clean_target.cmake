file(REMOVE_RECURSE
  "libvantro_host_core.a"
)
