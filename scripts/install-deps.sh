# Sourced by test.sh and run.sh: installs the Debian packages the build and
# the tests need, through sudo when not root; does nothing when they are there.

VISKORA_PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libgl-dev libx11-dev
    libxlsxwriter-dev libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev libeigen3-dev
    locales python3-openpyxl xvfb xauth poppler-utils
    dpkg-dev file
    pybind11-dev python3-dev python3-numpy python3-pytest python3-matplotlib
)

install_build_dependencies() {
    local missing=()
    local package
    for package in "${VISKORA_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
    fi
    # A comma-decimal locale for the tests that guard against locale-dependent
    # number conversion.
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        $sudo sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen
        $sudo locale-gen
    fi
}
