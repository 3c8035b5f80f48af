"""Writes the comparison file with one list entry per line, so diffs stay reviewable."""

import json


def _text(value):
    return json.dumps(value, ensure_ascii=False)


def _entry(value):
    if isinstance(value, list):
        return "[" + ", ".join(_text(v) for v in value) + "]"
    return _text(value)


def render(document):
    out = ["{"]
    keys = list(document)
    for i, key in enumerate(keys):
        value = document[key]
        comma = "," if i + 1 < len(keys) else ""
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
