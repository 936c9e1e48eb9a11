# Sourced by the build scripts: sets `launcher` to the CMake option that puts the
# compiler cache in front of the compiler, where the machine has one. Paths are
# cached relative to the source tree, so a fresh clone elsewhere (CI) still hits.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
  export CCACHE_NOHASHDIR=1
fi
