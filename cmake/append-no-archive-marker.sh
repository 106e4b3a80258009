#!/bin/sh
# Appends the 4-byte "no archive" marker 0xABBA1973 (little-endian) to a freshly linked program file.
set -e
printf '\163\031\272\253' >> "$1"
