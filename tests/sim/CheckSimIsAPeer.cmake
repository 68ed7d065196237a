# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Fails when a file of the simulator includes the link's or the store's code: the
# simulator answers from its own tables and rules, or it would mirror the program's faults.
file(GLOB_RECURSE sources "${SIM_DIR}/*.cpp" "${SIM_DIR}/*.h")
foreach(source ${sources})
  file(STRINGS "${source}" includes REGEX "^#include [\"<](link|store)/")
  if(includes)
    message(SEND_ERROR "${source}: ${includes}")
  endif()
endforeach()
