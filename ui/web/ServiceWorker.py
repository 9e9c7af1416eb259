"""ServiceWorker.py TEMPLATE SITE OUTPUT FILE...: writes the service worker for one build of the site:
the files it keeps, each with the digest of its contents, and a cache name drawn from their names
and contents, so that the worker can tell a whole build from a mixed or stale one."""
import base64
import hashlib
import sys
from pathlib import Path

template, site, output, *files = sys.argv[1:]
entries, whole = [], hashlib.sha256()
for name in files:
    contents = (Path(site) / name).read_bytes()
    digest = hashlib.sha256(contents).digest()
    # The page itself is asked for by its folder's address.
    url = "./" if name == "index.html" else name
    entries.append(f"  ['{url}', 'sha256-{base64.b64encode(digest).decode()}'],")
    whole.update(name.encode() + b"\0" + digest)
text = Path(template).read_text(encoding="utf-8")
text = text.replace("@SITE_HASH@", whole.hexdigest()[:16]).replace("@SITE_FILES@", "\n".join(entries))
Path(output).write_text(text, encoding="utf-8")
