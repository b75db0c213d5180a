#!/usr/bin/python3
"""Checks a compiled help file: it unpacks with extract_chmLib, every page of its table of
contents and index is inside, every internal link and picture resolves (anchors included),
and every page of the source folder is in the table of contents.

    check_help.py EXTRACT_CHMLIB HELP_CHM SOURCE_DIR
    check_help.py EXTRACT_CHMLIB --self-test CHMCMD   (a help file with a broken link fails)
"""
import html.parser
import os
import re
import subprocess
import sys
import tempfile
import urllib.parse


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.ids, self.locals, self.charsets = [], set(), [], ""

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for key in ("href", "src"):
            if key in a:
                self.links.append(a[key])
        for key in ("id", "name"):
            if key in a and tag != "param":
                self.ids.add(a[key])
        if tag == "meta" and a.get("http-equiv", "").lower() == "content-type":
            self.charsets += a.get("content", "").lower()
        if tag == "param" and a.get("name", "").lower() == "local":
            self.locals.append(a.get("value", ""))


def parse(path):
    # The pages and the contents are GBK, the code page of a Chinese help file; a page
    # that is not valid GBK fails here.
    parser = Links()
    with open(path, encoding="gbk") as f:
        parser.feed(f.read())
    return parser


def check(extract, chm, source_dir):
    problems = []
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run([extract, chm, out], capture_output=True, text=True)
        if run.returncode != 0 or not os.path.isfile(os.path.join(out, "index.html")):
            return ["%s does not unpack: %s%s" % (chm, run.stdout, run.stderr)]
        pages = {}
        for root, _, files in os.walk(out):
            for name in files:
                rel = os.path.relpath(os.path.join(root, name), out).replace(os.sep, "/")
                if rel.endswith((".html", ".hhc", ".hhk")):
                    pages[rel] = parse(os.path.join(root, name))
        for sitemap in ("help.hhc", "help.hhk"):
            if sitemap not in pages:
                problems.append("%s is not inside" % sitemap)
                continue
            for local in pages[sitemap].locals:
                target = urllib.parse.urldefrag(local)[0]
                if not os.path.isfile(os.path.join(out, target)):
                    problems.append("%s names %s, which is not inside" % (sitemap, local))
        for page, parsed in sorted(pages.items()):
            if page.endswith(".html") and "charset=gbk" not in parsed.charsets:
                problems.append("%s does not declare charset=gbk" % page)
            for link in parsed.links + parsed.locals:
                if re.match(r"^[a-z]+:", link):
                    continue  # outside the help
                path, fragment = urllib.parse.urldefrag(link)
                target = os.path.normpath(os.path.join(os.path.dirname(page), path)) if path else page
                if not os.path.isfile(os.path.join(out, target)):
                    problems.append("%s: link %s does not resolve" % (page, link))
                elif fragment and (target not in pages or fragment not in pages[target].ids):
                    problems.append("%s: anchor %s does not exist" % (page, link))
        if source_dir:
            toc = {urllib.parse.urldefrag(l)[0] for l in pages.get("help.hhc", Links()).locals}
            for name in sorted(os.listdir(source_dir)):
                if name.endswith(".html") and name not in toc:
                    problems.append("%s is not in the table of contents" % name)
    return problems


def self_test(extract, chmcmd):
    """A help file with a missing page, picture, anchor and charset must fail."""
    with tempfile.TemporaryDirectory() as d:
        files = {
            "t.hhp": "[OPTIONS]\nCompiled file=t.chm\nContents file=t.hhc\nDefault topic=index.html\n"
                     "[FILES]\nindex.html\n",
            "t.hhc": '<HTML><BODY><UL><LI><OBJECT type="text/sitemap"><param name="Name" value="a">'
                     '<param name="Local" value="index.html"></OBJECT></UL></BODY></HTML>\n',
            "index.html": '<html><body><a href="gone.html">x</a><img src="images/none.png">'
                          '<a href="#nowhere">y</a><a id="here" href="#here">z</a></body></html>\n',
        }
        for name, text in files.items():
            with open(os.path.join(d, name), "w", encoding="utf-8") as f:
                f.write(text)
        subprocess.run([chmcmd, "--no-html-scan", "t.hhp"], cwd=d, capture_output=True, check=True)
        problems = check(extract, os.path.join(d, "t.chm"), None)
    wanted = ["index.html does not declare charset=gbk",
              "index.html: link gone.html does not resolve",
              "index.html: link images/none.png does not resolve",
              "index.html: anchor #nowhere does not exist",
              "help.hhc is not inside"]
    missing = [w for w in wanted if w not in problems]
    extra = [p for p in problems if p not in wanted and "help.hhk" not in p]
    return ["self-test: not reported: %s" % m for m in missing] + \
           ["self-test: reported wrongly: %s" % e for e in extra]


def main():
    if len(sys.argv) == 4 and sys.argv[2] == "--self-test":
        problems = self_test(sys.argv[1], sys.argv[3])
    elif len(sys.argv) == 4:
        problems = check(sys.argv[1], sys.argv[2], sys.argv[3])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
