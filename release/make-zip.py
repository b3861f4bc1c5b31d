#!/usr/bin/env python3
"""Writes the portable zip so that one commit always gives the same bytes:
    make-zip.py ZIP EPOCH FILE...
Each FILE is stored under its own name with the time EPOCH (seconds since
1970, as UTC), a fixed mode and no extra fields: no access or change time,
owner or group of the machine that made it. The files themselves are given
the same modification time, which the installer stores with them."""
import os
import sys
import time
import zipfile


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    out, epoch, files = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    date_time = time.gmtime(max(epoch, 315532800))[:6]  # a zip cannot hold a time before 1980
    with zipfile.ZipFile(out, "w") as archive:
        for path in files:
            os.utime(path, (epoch, epoch))
            entry = zipfile.ZipInfo(os.path.basename(path), date_time)
            entry.create_system = 3  # Unix, so that the mode below is read
            entry.external_attr = (0o100755 if path.endswith(".exe") else 0o100644) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                archive.writestr(entry, f.read())


if __name__ == "__main__":
    main()
