# SPDX-License-Identifier: GPL-3.0-or-later
# The package's maintainer, as "Name <address>": whoever builds it, as Debian's
# tools read DEBFULLNAME and DEBEMAIL (DEBEMAIL may hold "Name <address>"
# itself), or -DWILDCREST_MAINTAINER="Name <address>". Without either, a
# contact that says it is a local build, at an address in the reserved .invalid
# domain that no mail can reach, so that the package is still well formed.
set(local_build_maintainer "Wildcrest local build <local-build@wildcrest.invalid>")
if(NOT "$ENV{DEBEMAIL}" STREQUAL "")
  if("$ENV{DEBEMAIL}" MATCHES "<")
    set(maintainer_default "$ENV{DEBEMAIL}")
  elseif(NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(maintainer_default "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  else()
    set(maintainer_default "Wildcrest packager <$ENV{DEBEMAIL}>")
  endif()
else()
  set(maintainer_default "${local_build_maintainer}")
endif()
# Build folders configured before kept the old default, which was no contact at all.
if(WILDCREST_MAINTAINER STREQUAL "Local build, no maintainer set <root@localhost>")
  unset(WILDCREST_MAINTAINER CACHE)
endif()
set(WILDCREST_MAINTAINER "${maintainer_default}" CACHE STRING "The package's maintainer, as Name <address>")
