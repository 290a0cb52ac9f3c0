# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack before it packs (CPACK_PRE_BUILD_SCRIPTS): takes the compiler's
# .comment and .note sections out of the already stripped program, as
# Debian's dh_strip does.
find_program(STRIP_PROGRAM strip REQUIRED)
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/wildcrest")
foreach(program ${programs})
  execute_process(COMMAND ${STRIP_PROGRAM} --remove-section=.comment --remove-section=.note ${program}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
