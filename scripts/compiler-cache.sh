# Sourced by the build scripts: where ccache is installed, compiles go
# through it, keyed by paths relative to the checkout, so a second checkout
# or a rebuild after a clean reuses what was compiled before.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
