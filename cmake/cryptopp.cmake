# Crypto++ as built for mingw by scripts/bootstrap.sh into the cache outside the repository, lean: each
# function and object in a section of its own, and without the FIPS self-test that would run on every load.
# The 32-bit build has its own (cryptopp-lean-i686).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(cryptopp_flavour -i686)
endif()
set(CRYPTOPP_LEAN_ROOT "$ENV{HOME}/.cache/brivane/cryptopp-lean${cryptopp_flavour}" CACHE PATH "Crypto++ built for mingw")
if(NOT EXISTS "${CRYPTOPP_LEAN_ROOT}/lib/libcryptopp.a")
  message(FATAL_ERROR "Crypto++ for mingw is not in ${CRYPTOPP_LEAN_ROOT}; run scripts/bootstrap.sh as root")
endif()
add_library(cryptopp STATIC IMPORTED GLOBAL)
set_target_properties(cryptopp PROPERTIES
  IMPORTED_LOCATION "${CRYPTOPP_LEAN_ROOT}/lib/libcryptopp.a"
  INTERFACE_INCLUDE_DIRECTORIES "${CRYPTOPP_LEAN_ROOT}/include")
