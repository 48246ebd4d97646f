#!/usr/bin/env bash
# Builds the Debian package from the built tree with cpack, lists and
# extracts it, runs the extracted programs on the extracted example and checks
# the desktop entry, the MIME type, the manual pages and (when installed)
# lintian's verdict. Installs nothing.
#   package_test.sh CPACK CPACK_CONFIG VERSION SOURCE_DIR [python|no-python]
set -uo pipefail

cpack=$1
config=$2
version=$3
examples=$4/examples
python=${5:-no-python}
python_dir=usr/lib/python3/dist-packages/sloopform
skipped=77

for tool in dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed, so the Debian package cannot be built (apt-get install dpkg-dev)"
    exit "$skipped"
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# cpack installs the built tree into its own staging folder under $work, so
# the build directory's own package output is left alone.
if ! "$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
deb="$work/out/sloopform_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
  ls "$work/out"
  echo "FAIL: cpack did not write $(basename "$deb")"
  exit 1
fi
echo "Built $(basename "$deb")"

echo "--- contents"
dpkg-deb --contents "$deb" | tee "$work/contents" | awk '{print $2, $NF}'
for path in \
    usr/bin/sloopform usr/bin/sloopform-batch \
    $(cd "$examples" && printf 'usr/share/sloopform/examples/%s ' *.sfp) \
    usr/share/applications/sloopform.desktop \
    usr/share/mime/packages/sloopform.xml \
    usr/share/man/man1/sloopform.1.gz usr/share/man/man1/sloopform-batch.1.gz \
    usr/share/doc/sloopform/copyright usr/share/doc/sloopform/changelog.gz; do
  grep -q " \./$path\$" "$work/contents" || fail "the package lacks /$path"
done
if [ "$python" = python ]; then
  for path in $python_dir/__init__.py $python_dir/sweep.py; do
    grep -q " \./$path\$" "$work/contents" || fail "the package lacks /$path"
  done
  grep -q " \./$python_dir/_sloopform\..*\.so\$" "$work/contents" || fail "the package lacks the Python extension"
fi
awk '$2 != "root/root" {print "FAIL: not owned by root: " $NF; bad = 1} END {exit bad}' \
  "$work/contents" || failures=$((failures + 1))

echo "--- control"
dpkg-deb --field "$deb" | tee "$work/control"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = sloopform ] || fail "Package is not sloopform"
[ "$(field Version)" = "$version" ] || fail "Version is not the project version $version"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no extended Description"
# The dependencies come from the binaries: the C library for both, Qt's
# widgets, SVG and charts libraries for the desktop program.
for library in libc6 libstdc++6 libqt6widgets6 libqt6svg6 libqt6charts6; do
  field Depends | grep -q "\b$library\b" || fail "Depends lacks $library"
done

echo "--- extracted programs"
root="$work/root"
dpkg-deb --extract "$deb" "$root"
batch="$root/usr/bin/sloopform-batch"
[ "$("$batch" --version)" = "sloopform-batch $version" ] || fail "sloopform-batch --version"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/sloopform" --version)" = "sloopform $version" ] ||
  fail "sloopform --version"
example="$root/usr/share/sloopform/examples/cruiser-10m.sfp"
status=0
"$batch" run "$example" --quiet --report "$work/cruiser.rpt" --json "$work/cruiser.json" || status=$?
[ "$status" -eq 0 ] || fail "the extracted sloopform-batch run ended with status $status"
[ -s "$work/cruiser.rpt" ] || fail "the run wrote no report"
python3 - "$work/cruiser.json" <<'EOF' || fail "the run's JSON has no positive displacement"
import json, sys
account = json.load(open(sys.argv[1]))
sys.exit(0 if account["hydrostatics"]["displacement"] > 0 else 1)
EOF
if [ "$python" = python ]; then
  PYTHONPATH="$root/usr/lib/python3/dist-packages" /usr/bin/python3 - "$example" <<'EOF' ||
import sloopform, sys
sys.exit(0 if sloopform.generate(sloopform.Design.load(sys.argv[1])).hydrostatics["displacement"] > 0 else 1)
EOF
    fail "the extracted Python module does not generate the example"
  field Depends | grep -q "python3-numpy" || fail "Depends lacks python3-numpy"
fi

echo "--- desktop entry"
desktop="$root/usr/share/applications/sloopform.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
else
  fail "desktop-file-validate is not installed (apt-get install desktop-file-utils)"
fi
entry() { sed -n "s/^$1=//p" "$desktop"; }
# What the entry names must exist in the package: the program it starts,
# its icon and the file type it opens.
read -r program _ <<<"$(entry Exec)"
[ -x "$root/usr/bin/$program" ] || fail "Exec names $program, which the package does not hold"
[ "$(entry Exec)" = "sloopform %f" ] || fail "Exec does not pass the file: $(entry Exec)"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg" ] ||
  fail "no scalable icon for Icon=$(entry Icon)"
entry Categories | grep -q "Graphics;.*Engineering;" || fail "Categories lack Graphics and Engineering"
mime_type=application/x-sloopform-project
entry MimeType | grep -q "$mime_type;" || fail "the entry does not open $mime_type"

echo "--- MIME type"
mime="$root/usr/share/mime/packages/sloopform.xml"
xmllint --noout "$mime" || fail "xmllint rejects the MIME file"
mime_icon=$(xmllint --xpath "string(//*[local-name()='icon']/@name)" "$mime")
[ -f "$root/usr/share/icons/hicolor/scalable/mimetypes/$mime_icon.svg" ] ||
  fail "no scalable icon for the file type's icon '$mime_icon'"
if command -v update-mime-database >/dev/null; then
  mkdir -p "$work/mime/packages"
  cp "$mime" "$work/mime/packages/"
  XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" ||
    fail "update-mime-database rejects the MIME file"
  grep -qx "[0-9]*:$mime_type:\*\.sfp" "$work/mime/globs2" ||
    fail "*.sfp does not map to $mime_type"
else
  echo "update-mime-database is not installed: the *.sfp mapping is not checked"
fi

echo "--- manual pages"
if command -v man >/dev/null; then
  for page in sloopform sloopform-batch; do
    file="$root/usr/share/man/man1/$page.1.gz"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
      man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page(1) has roff warnings: $warnings"
  done
  # The batch tool's manual page describes every option its usage text names:
  # each starts an item of its own (alone or in a list such as "-h, --help").
  LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$root/usr/share/man/man1/sloopform-batch.1.gz" \
    >"$work/batch-page" 2>/dev/null
  for option in $("$batch" --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
    grep -Eq -- "^ {7}(-[-a-z0-9]+( [A-Z.,]+)?, )*$option([ ,]|\$)" "$work/batch-page" ||
      fail "sloopform-batch(1) does not describe $option"
  done
else
  echo "man is not installed: the manual pages are not rendered"
fi

echo "--- lintian"
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "running with root privileges" | tee "$work/lintian"
  ! grep -q "^E:" "$work/lintian" || fail "lintian reports errors"
else
  echo "lintian is not installed: the package is not linted"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "The package holds and runs everything it should."
