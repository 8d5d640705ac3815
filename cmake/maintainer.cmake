# Who made the Debian package, for its Maintainer field and its changelog: the cache
# entry MORVANE_DEB_MAINTAINER when given; else as Debian's own tools take it,
# DEBFULLNAME and DEBEMAIL (DEBEMAIL may be "Name <address>" by itself); else a neutral
# name under .invalid, the top-level domain reserved for names that belong to no one.
# Read anew at every configure, so `DEBEMAIL=... make deb` takes effect.
set(MORVANE_DEB_MAINTAINER "" CACHE STRING
    "Maintainer of the Debian package, \"Name <address>\" (empty: DEBFULLNAME and DEBEMAIL)")

set(morvane_neutral_maintainer "Morvane developers <morvane@packaging.invalid>")
if(MORVANE_DEB_MAINTAINER)
  set(MORVANE_MAINTAINER "${MORVANE_DEB_MAINTAINER}")
elseif(NOT "$ENV{DEBEMAIL}" STREQUAL "")
  set(morvane_name "Morvane developers")
  set(morvane_address "$ENV{DEBEMAIL}")
  if(morvane_address MATCHES "^(.*[^ ]) *<([^<>]+)>$")
    set(morvane_name "${CMAKE_MATCH_1}")
    set(morvane_address "${CMAKE_MATCH_2}")
  endif()
  if(NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(morvane_name "$ENV{DEBFULLNAME}")
  endif()
  set(MORVANE_MAINTAINER "${morvane_name} <${morvane_address}>")
else()
  set(MORVANE_MAINTAINER "${morvane_neutral_maintainer}")
endif()
