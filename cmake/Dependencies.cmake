# Third-party libraries, all from Debian 12 packages (scripts/install-deps).
find_package(PkgConfig REQUIRED)
find_package(GTest REQUIRED)
include(GoogleTest)
if(MARROWMERE_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()

pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Svg)
pkg_check_modules(IMAGEQUANT REQUIRED IMPORTED_TARGET imagequant)
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
