#!/usr/bin/env python3
"""Packs the single-file page as a SCORM 1.2 package (one SCO) for learning platforms.

   scorm.py PAGE.html OUT.zip

The zip holds imsmanifest.xml and the page; it is the same for the same page (fixed
times, fixed order), written to a temporary file and then moved into place."""
import os
import sys
import zipfile

LAUNCH = "metallographie.html"
MANIFEST = """<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="metallographie-lehrprogramm" version="{version}"
          xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
          xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2"
          xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"
          xsi:schemaLocation="http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="metallographie">
    <organization identifier="metallographie">
      <title>Untersuchungsverfahren in der Metallographie</title>
      <item identifier="lehrprogramm" identifierref="seite" isvisible="true">
        <title>Metallographie: Lehrprogramm mit Selbsttests</title>
        <adlcp:masteryscore>80</adlcp:masteryscore>
      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="seite" type="webcontent" adlcp:scormtype="sco" href="{launch}">
      <file href="{launch}"/>
    </resource>
  </resources>
</manifest>
"""
FIXED_TIME = (1980, 1, 1, 0, 0, 0)


def entry(name):
    info = zipfile.ZipInfo(name, FIXED_TIME)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    return info


def main(argv):
    if len(argv) != 3:
        print("Aufruf: scorm.py SEITE.html PAKET.zip", file=sys.stderr)
        return 2
    page, out = argv[1], argv[2]
    with open(page, "rb") as f:
        html = f.read()
    version = os.environ.get("METALLO_VERSION", "1.0")
    temp = out + ".tmp"
    with zipfile.ZipFile(temp, "w") as z:
        z.writestr(entry("imsmanifest.xml"), MANIFEST.format(version=version, launch=LAUNCH).encode("utf-8"))
        z.writestr(entry(LAUNCH), html)
    os.replace(temp, out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
