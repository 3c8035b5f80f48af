"""Reading the reviewed source tables.

Every table is UTF-8 text with one entry per line and tab-separated columns.
Lines starting with '#' are comments (the first of them names the columns);
blank lines are ignored. A line with the wrong number of columns is an error,
so a stray space instead of a tab cannot silently change an entry.
"""

import os


class TableError(Exception):
    pass


class Row:
    """One entry of a table: its columns by name, and where it came from."""

    def __init__(self, path, line_no, values):
        self.path = path
        self.line_no = line_no
        self.values = values

    def __getitem__(self, key):
        return self.values[key]

    def where(self):
        return "%s:%d" % (os.path.basename(self.path), self.line_no)


def read_table(path, columns):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line_no, line in enumerate(f, start=1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != len(columns):
                raise TableError("%s:%d: expected %d tab-separated columns (%s), found %d"
                                 % (path, line_no, len(columns), ", ".join(columns), len(parts)))
            if any(p != p.strip() for p in parts):
                raise TableError("%s:%d: a column has spaces at its ends" % (path, line_no))
            rows.append(Row(path, line_no, dict(zip(columns, parts))))
    return rows


def write_table(path, header_lines, columns, rows):
    """Writes rows (lists of column texts) in the same format read_table reads."""
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        for h in header_lines:
            f.write("# %s\n" % h if h else "#\n")
        f.write("# %s\n" % "\t".join(columns))
        for r in rows:
            f.write("\t".join(r) + "\n")
