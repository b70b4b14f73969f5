# Crypto++ as built for mingw by scripts/bootstrap.sh into the cache outside the repository.
set(CRYPTOPP_ROOT "$ENV{HOME}/.cache/brivane/cryptopp" CACHE PATH "Crypto++ built for mingw")
if(NOT EXISTS "${CRYPTOPP_ROOT}/lib/libcryptopp.a")
  message(FATAL_ERROR "Crypto++ for mingw is not in ${CRYPTOPP_ROOT}; run scripts/bootstrap.sh as root")
endif()
add_library(cryptopp STATIC IMPORTED GLOBAL)
set_target_properties(cryptopp PROPERTIES
  IMPORTED_LOCATION "${CRYPTOPP_ROOT}/lib/libcryptopp.a"
  INTERFACE_INCLUDE_DIRECTORIES "${CRYPTOPP_ROOT}/include")
