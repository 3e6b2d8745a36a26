#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian packages that package.sh made: their control fields and contents (dpkg-deb),
# RUNPATH and stripping of the binaries, the copyright, changelog and manual pages, the desktop
# entries and AppStream data (desktop-file-validate, appstreamcli), and lintian.
#   tools/check-packages.sh DIR VERSION MULTIARCH [SOURCE_ROOT]
set -uo pipefail
DIR="$1" VERSION="$2" MA="$3" SRC="${4:-}"
SOURCE_NAME=kinfold
PRIVATE="/usr/lib/$MA/kinfold"
passed=0 failed=0
ok() { passed=$((passed + 1)); }
bad() { failed=$((failed + 1)); echo "FAIL: $*"; }
expect() { # description, command...
  local what="$1"; shift
  if "$@" >/dev/null 2>&1; then ok; else bad "$what"; fi
}

ARCH="$(dpkg --print-architecture)"
declare -A FILES
FILES[kestrum]="$PRIVATE/libkestrum.so $PRIVATE/libplatform.so /usr/share/kestrum/TimeZones.txt"
FILES[kinfold]="/usr/bin/kinfold /usr/share/applications/kinfold.desktop
  /usr/share/icons/hicolor/scalable/apps/kinfold.svg /usr/share/mime/packages/kinfold.xml
  /usr/share/metainfo/com.quorvanth.Kinfold.metainfo.xml /usr/share/man/man1/kinfold.1.gz
  /etc/xdg/autostart/kinfold-reminders.desktop
  /usr/lib/systemd/user/kinfold-reminders.service /usr/lib/systemd/user/kinfold-reminders.timer"
FILES[markwheel]="/usr/bin/markwheel /usr/share/applications/markwheel.desktop
  /usr/share/icons/hicolor/scalable/apps/markwheel.svg /usr/share/mime/packages/markwheel.xml
  /usr/share/metainfo/com.quorvanth.Markwheel.metainfo.xml /usr/share/man/man1/markwheel.1.gz"
FILES[dialwake]="/usr/bin/dialwake /usr/share/applications/dialwake.desktop
  /usr/share/icons/hicolor/scalable/apps/dialwake.svg
  /usr/share/metainfo/com.quorvanth.Dialwake.metainfo.xml /usr/share/man/man1/dialwake.1.gz
  /etc/xdg/autostart/dialwake.desktop"
PACKAGES="kestrum kinfold markwheel dialwake"

# ---- the set of packages ----
found="$(cd "$DIR" && ls *.deb 2>/dev/null | sort | tr '\n' ' ')"
want="$(for p in $PACKAGES; do echo "${p}_${VERSION}_${ARCH}.deb"; done | sort | tr '\n' ' ')"
[ "$found" = "$want" ] && ok || bad "packages in $DIR: '$found', expected '$want'"

ROOTS="$(mktemp -d)"
trap 'rm -rf "$ROOTS"' EXIT
all_files=""
for p in $PACKAGES; do
  deb="$DIR/${p}_${VERSION}_${ARCH}.deb"
  [ -f "$deb" ] || continue
  field() { dpkg-deb -f "$deb" "$1"; }

  # ---- control fields ----
  [ "$(field Package)" = "$p" ] && ok || bad "$p: Package is '$(field Package)'"
  [ "$(field Version)" = "$VERSION" ] && ok || bad "$p: Version is '$(field Version)', not $VERSION"
  [ "$(field Architecture)" = "$ARCH" ] && ok || bad "$p: Architecture is '$(field Architecture)'"
  [ "$(field Source)" = "$SOURCE_NAME" ] && ok || bad "$p: Source is '$(field Source)', not $SOURCE_NAME"
  grep -qE '^.+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)" && ok || bad "$p: Maintainer '$(field Maintainer)'"
  [ -n "$(field Section)" ] && [ "$(field Priority)" = optional ] && ok || bad "$p: Section or Priority"
  desc="$(field Description)"
  [ "$(wc -l <<<"$desc")" -ge 3 ] && [ "${#desc}" -gt 0 ] && ! grep -q "built using CMake" <<<"$desc" \
    && ok || bad "$p: Description has no long text: $desc"
  depends="$(field Depends)"
  for lib in libc6 libstdc++6 libqt6core6; do
    grep -qE "(^|, )${lib//+/\\+}( |,|$)" <<<"$depends" && ok || bad "$p: Depends lacks $lib (from the binaries): $depends"
  done
  if [ "$p" != kestrum ]; then
    grep -qE "(^|, )kestrum \(= $VERSION\)" <<<"$depends" && ok || bad "$p: Depends lacks 'kestrum (= $VERSION)': $depends"
  fi
  grep -q "build\|/work\|/tmp" <<<"$depends" && bad "$p: Depends names a build folder: $depends" || ok

  # ---- contents: dpkg-deb -c ----
  listing="$(dpkg-deb -c "$deb")"
  grep -v '^[-d]' <<<"$listing" | grep -q . && bad "$p: holds other than files and folders" || ok
  awk '$2 != "root/root"' <<<"$listing" | grep -q . && bad "$p: files not owned by root" || ok
  files="$(awk '$1 ~ /^-/ {print substr($6, 2)}' <<<"$listing" | sort)"
  expected="$( (for f in ${FILES[$p]}; do echo "$f"; done; echo "/usr/share/doc/$p/copyright"; echo "/usr/share/doc/$p/changelog.gz") | sort)"
  if [ "$files" = "$expected" ]; then ok; else
    bad "$p: contents differ from the expected ones:"; diff <(echo "$expected") <(echo "$files") | sed 's/^/    /'
  fi
  awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' <<<"$listing" | grep -q . && bad "$p: folders not 0755" || ok
  while read -r mode _ _ _ _ path; do
    case "$path" in
      # Shared libraries are not executable on Debian.
      ./usr/bin/*) [ "$mode" = "-rwxr-xr-x" ] || bad "$p: $path has mode $mode" ;;
      *) [ "$mode" = "-rw-r--r--" ] || bad "$p: $path has mode $mode" ;;
    esac
  done < <(awk '$1 ~ /^-/' <<<"$listing")
  all_files+="$files"$'\n'

  root="$ROOTS/$p"
  dpkg-deb -x "$deb" "$root"

  # ---- binaries: stripped, RUNPATH into the private folder only ----
  for f in $(cd "$root" && ls usr/bin/* "usr/lib/$MA/kinfold/"*.so 2>/dev/null); do
    readelf -S "$root/$f" | grep -q '\.symtab' && bad "$p: /$f is not stripped" || ok
    readelf -S "$root/$f" | grep -q '\.debug_' && bad "$p: /$f has debugging sections" || ok
    runpath="$(readelf -d "$root/$f" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p; s/.*(RPATH).*\[\(.*\)\]/RPATH:\1/p')"
    case "$f" in
      */libplatform.so) [ -z "$runpath" ] || [ "$runpath" = "$PRIVATE" ] && ok || bad "$p: /$f has RUNPATH '$runpath'" ;;
      *) [ "$runpath" = "$PRIVATE" ] && ok || bad "$p: /$f has RUNPATH '$runpath', not $PRIVATE" ;;
    esac
    if [ -n "$SRC" ] && strings "$root/$f" | grep -qF "$SRC/build"; then bad "$p: /$f names the build folder"; else ok; fi
  done
  case "$p" in
    kinfold|dialwake) readelf -d "$root/usr/bin/$p" | grep -q 'NEEDED.*\[libkestrum.so\]' && ok || bad "$p: does not load libkestrum.so" ;;
    markwheel) readelf -d "$root/usr/bin/$p" | grep -q 'NEEDED.*\[libplatform.so\]' && ok || bad "$p: does not load libplatform.so" ;;
  esac

  # ---- reminders: autostart entry, user timer enabled for everyone on install, forgotten on purge ----
  if [ "$p" = kinfold ]; then
    out="$(bash "$(dirname "$0")/check-desktop-entry.sh" "$root/etc/xdg/autostart/kinfold-reminders.desktop" kinfold 2>&1)" \
      && ok || bad "kinfold: autostart entry: $out"
    grep -qx 'ExecStart=/usr/bin/kinfold --remind' "$root/usr/lib/systemd/user/kinfold-reminders.service" \
      && ok || bad "kinfold: the reminder service does not run /usr/bin/kinfold --remind"
    control="$(dpkg-deb --ctrl-tarfile "$deb" | tar -t 2>/dev/null | tr '\n' ' ')"
    for script in postinst postrm conffiles; do
      grep -q "\./$script " <<<"$control " && ok || bad "kinfold: no $script in the control files"
    done
    dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst 2>/dev/null | grep -q 'user enable kinfold-reminders.timer' \
      && ok || bad "kinfold: postinst does not enable the reminder timer"
    dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postrm 2>/dev/null | grep -q 'user purge kinfold-reminders.timer' \
      && ok || bad "kinfold: postrm does not forget the reminder timer on purge"
  fi

  # ---- copyright and changelog ----
  copyright="$root/usr/share/doc/$p/copyright"
  head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    && grep -qx 'License: GPL-3.0-or-later' "$copyright" && grep -q '/usr/share/common-licenses/GPL-3' "$copyright" \
    && ok || bad "$p: copyright is not a machine-readable GPL-3.0-or-later file"
  changelog="$root/usr/share/doc/$p/changelog.gz"
  gzip -t "$changelog" 2>/dev/null && ok || bad "$p: changelog.gz is no gzip file"
  head -1 <(gzip -dc "$changelog") | grep -q "^$SOURCE_NAME ($VERSION) " && ok || bad "$p: changelog does not begin with $SOURCE_NAME ($VERSION)"
  # No time stamp in the gzip headers (bytes 4 to 7), so that rebuilds give the same bytes.
  for gz in "$changelog" $(ls "$root"/usr/share/man/man1/*.gz 2>/dev/null); do
    [ "$(od -An -tx1 -j4 -N4 "$gz" | tr -d ' ')" = 00000000 ] && ok || bad "$p: ${gz#$root} carries a time stamp"
  done

  # ---- desktop entry, AppStream data, manual page ----
  if [ "$p" != kestrum ]; then
    desktop="$root/usr/share/applications/$p.desktop"
    out="$(desktop-file-validate "$desktop" 2>&1)" && [ -z "$out" ] && ok || bad "$p: desktop-file-validate: $out"
    grep -qE "^Exec=$p( |$)" "$desktop" && grep -qx "Icon=$p" "$desktop" && ok || bad "$p: desktop entry does not start /usr/bin/$p with its icon"
    metainfo="$(ls "$root"/usr/share/metainfo/*.metainfo.xml)"
    out="$(appstreamcli validate --no-net "$metainfo" 2>&1)" && ok || bad "$p: appstreamcli validate: $out"
    for want in '<metadata_license>CC0-1.0</metadata_license>' '<project_license>GPL-3.0-or-later</project_license>' \
                "<launchable type=\"desktop-id\">$p.desktop</launchable>" "<release version=\"$VERSION\"" '<summary>' '<description>'; do
      grep -qF "$want" "$metainfo" && ok || bad "$p: metainfo lacks $want"
    done
    if [ "$p" = dialwake ]; then
      out="$(bash "$(dirname "$0")/check-desktop-entry.sh" "$root/etc/xdg/autostart/dialwake.desktop" dialwake 2>&1)" \
        && ok || bad "$p: autostart entry: $out"
      dpkg-deb -I "$deb" conffiles 2>/dev/null | grep -qx /etc/xdg/autostart/dialwake.desktop && ok || bad "$p: the autostart entry is no conffile"
    fi
    page="$root/usr/share/man/man1/$p.1.gz"
    gzip -dc "$page" | grep -q "^\.TH .* \"$p $VERSION\"" && ok || bad "$p: manual page does not name version $VERSION"
    out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)" && [ -z "$out" ] \
      && ok || bad "$p: manual page warnings: $out"
  fi
done

# ---- no file in two packages ----
dups="$(grep -v '^$' <<<"$all_files" | sort | uniq -d)"
[ -z "$dups" ] && ok || bad "files in more than one package: $dups"

# ---- lintian ----
echo "lintian:"
lintian_out="$(lintian --allow-root --fail-on error --display-info "$DIR"/*.deb 2>&1)"; rc=$?
sed 's/^/    /' <<<"$lintian_out"
[ $rc -eq 0 ] && ! grep -q '^E:' <<<"$lintian_out" && ok || bad "lintian reports errors"

echo "package checks: $passed passed, $failed failed"
[ $failed -eq 0 ]
