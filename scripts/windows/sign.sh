#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Signs programs, libraries and installers in place (Authenticode, SHA-256)
# with the code-signing certificate in GITTERSPOR_SIGN_PFX, a PKCS #12 file
# whose password is the first line of GITTERSPOR_SIGN_PASSWORD_FILE. With
# GITTERSPOR_SIGN_TIMESTAMP_URL, a time-stamping authority (RFC 3161), the
# signatures stay valid after the certificate has expired.
#     sign.sh FILE...
set -euo pipefail
: "${GITTERSPOR_SIGN_PFX:?names the certificate}" "${GITTERSPOR_SIGN_PASSWORD_FILE:?names its password}"
stamp=()
[ -z "${GITTERSPOR_SIGN_TIMESTAMP_URL:-}" ] || stamp=(-ts "$GITTERSPOR_SIGN_TIMESTAMP_URL")
for file in "$@"; do
    osslsigncode sign -pkcs12 "$GITTERSPOR_SIGN_PFX" -readpass "$GITTERSPOR_SIGN_PASSWORD_FILE" -h sha256 \
        -n Gitterspor "${stamp[@]}" -in "$file" -out "$file.signed" >/dev/null || { rm -f "$file.signed"; exit 1; }
    mv "$file.signed" "$file"
done
