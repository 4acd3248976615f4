#!/usr/bin/python3
# A file system whose reads stop answering, as a network share does when its server is gone:
#   stalled_share.py MOUNTPOINT FILE SECONDS LOG
# It serves FILE as /alarm.wav; a read past its first 16 kB answers only after SECONDS, and each such
# read writes a line into LOG as it starts waiting.
import errno
import stat
import sys
import time

import fusepy

mountpoint, source, seconds, log = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4]
data = open(source, "rb").read()


class Stalled(fusepy.Operations):
    def getattr(self, path, fh=None):
        if path == "/":
            return {"st_mode": stat.S_IFDIR | 0o755, "st_nlink": 2}
        if path == "/alarm.wav":
            return {"st_mode": stat.S_IFREG | 0o644, "st_nlink": 1, "st_size": len(data)}
        raise fusepy.FuseOSError(errno.ENOENT)

    def readdir(self, path, fh):
        return [".", "..", "alarm.wav"]

    def read(self, path, size, offset, fh):
        if offset + size > 16384:
            with open(log, "a") as out:
                out.write(f"read at {offset} waits\n")
            time.sleep(seconds)
        return data[offset:offset + size]


# direct_io: every read of the program reaches this process, none is answered from the page cache.
fusepy.FUSE(Stalled(), mountpoint, foreground=True, nothreads=False, ro=True, direct_io=True)
