"""The comparison file's "USB" member: host controller chips known to drop headsets, and good ones.

Each list entry is [vendor, device, name]; device is "" for every chip of the vendor. The member goes
before "Figures", which the engine cuts off before parsing; readers that do not know it ignore it."""

import os
import re

from tables import TableError, read_table

COLUMNS = ["vendor", "device", "list", "name", "source"]
LISTS = {"trouble": "Trouble list", "good": "Good list"}


def usb_member(data_dir):
    rows = read_table(os.path.join(data_dir, "usb_controllers.tsv"), COLUMNS)
    member = {name: [] for name in LISTS.values()}
    seen = set()
    for r in rows:
        device = "" if r["device"] == "*" else r["device"]
        if not re.fullmatch(r"[0-9A-F]{4}", r["vendor"]) or not re.fullmatch(r"([0-9A-F]{4})?", device):
            raise TableError("%s: vendor and device are four upper-case hexadecimal digits or *" % r.where())
        if r["list"] not in LISTS or not r["name"] or not r["source"]:
            raise TableError("%s: list is trouble or good, with a name and a source" % r.where())
        if (r["vendor"], device) in seen:
            raise TableError("%s: %s:%s is listed twice" % (r.where(), r["vendor"], r["device"]))
        seen.add((r["vendor"], device))
        member[LISTS[r["list"]]].append([r["vendor"], device, r["name"]])
    return member


def with_usb(document, data_dir):
    """The document with "USB" placed before "Figures" (or last, without figures)."""
    out = {}
    for key, value in document.items():
        if key == "Figures":
            out["USB"] = usb_member(data_dir)
        out[key] = value
    out.setdefault("USB", usb_member(data_dir))
    return out
