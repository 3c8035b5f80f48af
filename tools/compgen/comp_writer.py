"""Writes the comparison file with one list entry per line, so diffs stay reviewable.

The figures member packs its lists several entries to a line: they are aligned by
index with the lists above, so a line of them is read with the list, not alone."""

import json

FIGURES_WIDTH = 120


def _text(value):
    return json.dumps(value, ensure_ascii=False)


def _entry(value):
    if isinstance(value, list):
        return "[" + ", ".join(_text(v) for v in value) + "]"
    return _text(value)


def _packed(entries, indent):
    """entries, as many to a line as fit in FIGURES_WIDTH columns."""
    lines, line = [], ""
    for entry in (json.dumps(e, ensure_ascii=False, separators=(",", ":")) for e in entries):
        if line and len(indent) + len(line) + len(entry) + 1 > FIGURES_WIDTH:
            lines.append(indent + line)
            line = ""
        line += entry + ","
    if line:
        lines.append(indent + line)
    lines[-1] = lines[-1][:-1]
    return lines


def _figures(value, depth):
    """The figures member: objects of short values on one line each, lists packed."""
    indent = "    " * depth
    out = []
    members = list(value)
    for j, member in enumerate(members):
        inner = value[member]
        comma = "," if j + 1 < len(members) else ""
        if isinstance(inner, dict) and any(isinstance(v, list) and len(v) > 2 for v in inner.values()):
            out.append("%s%s: {" % (indent, _text(member)))
            out += _figures(inner, depth + 1)
            out.append("%s}%s" % (indent, comma))
        elif isinstance(inner, list) and inner and len(_text(inner)) + len(indent) > FIGURES_WIDTH:
            out.append("%s%s: [" % (indent, _text(member)))
            out += _packed(inner, indent + "    ")
            out.append("%s]%s" % (indent, comma))
        else:
            out.append("%s%s: %s%s" % (indent, _text(member), _text(inner), comma))
    return out


def render(document):
    out = ["{"]
    keys = list(document)
    for i, key in enumerate(keys):
        value = document[key]
        comma = "," if i + 1 < len(keys) else ""
        if key == "Figures":
            out.append("    %s: {" % _text(key))
            out += _figures(value, 2)
            out.append("    }%s" % comma)
            continue
        if not isinstance(value, dict):
            out.append("    %s: %s%s" % (_text(key), _text(value), comma))
            continue
        out.append("    %s: {" % _text(key))
        members = list(value)
        for j, member in enumerate(members):
            inner = value[member]
            inner_comma = "," if j + 1 < len(members) else ""
            if isinstance(inner, list):
                if not inner:
                    out.append("        %s: []%s" % (_text(member), inner_comma))
                    continue
                out.append("        %s: [" % _text(member))
                for k, entry in enumerate(inner):
                    out.append("            %s%s" % (_entry(entry), "," if k + 1 < len(inner) else ""))
                out.append("        ]%s" % inner_comma)
            else:
                out.append("        %s: %s%s" % (_text(member), _text(inner), inner_comma))
        out.append("    }%s" % comma)
    out.append("}")
    return "\n".join(out) + "\n"
