"""AMD device IDs that pci.ids does not name, with the chip the Linux kernel's drivers bind them to.

The amdgpu and radeon drivers list every device ID they take in a table of
{vendor, device, ..., CHIP_<name>} lines (amdgpu_drv.c `pciidlist`, drm_pciids.h
`radeon_PCI_IDS`). The chip is all the rules of gpu_rules.tsv need: an ID without a
product name is ranked at its chip family's figure, as a pci.ids name without
products is. Each ID is named as pci.ids names the chip ("Cape Verde" for CHIP_VERDE),
so that the family patterns take it. data/gpu_kernel.tsv holds the result
(compgen.py import-kernel-ids); import-pciids drops an ID there once pci.ids names it.
"""

import re

from gpu_revisions import AMD
from gpu_select import judge

# The kernel's chip names that pci.ids spells otherwise; the rest (RV380, R580, RS780...) it
# spells as the kernel does.
CHIP_NAMES = {
    "TAHITI": "Tahiti", "PITCAIRN": "Pitcairn", "VERDE": "Cape Verde", "OLAND": "Oland", "HAINAN": "Hainan",
    "KAVERI": "Kaveri", "BONAIRE": "Bonaire", "HAWAII": "Hawaii", "KABINI": "Kabini", "MULLINS": "Mullins",
    "TOPAZ": "Topaz", "TONGA": "Tonga", "FIJI": "Fiji", "CARRIZO": "Carrizo", "STONEY": "Stoney",
    "POLARIS10": "Polaris 10", "POLARIS11": "Polaris 11", "POLARIS12": "Polaris 12", "VEGAM": "Polaris 22",
    "VEGA10": "Vega 10", "VEGA12": "Vega 12", "VEGA20": "Vega 20", "RAVEN": "Raven", "ARCTURUS": "Arcturus",
    "NAVI10": "Navi 10", "NAVI12": "Navi 12", "NAVI14": "Navi 14", "RENOIR": "Renoir",
    "SIENNA_CICHLID": "Navi 21", "NAVY_FLOUNDER": "Navi 22", "DIMGREY_CAVEFISH": "Navi 23",
    "BEIGE_GOBY": "Navi 24", "VANGOGH": "VanGogh", "YELLOW_CARP": "Rembrandt", "ALDEBARAN": "Aldebaran",
    "CYAN_SKILLFISH": "Cyan Skillfish", "CAYMAN": "Cayman", "BARTS": "Barts", "TURKS": "Turks",
    "CAICOS": "Caicos", "CYPRESS": "Cypress", "HEMLOCK": "Hemlock", "JUNIPER": "Juniper", "REDWOOD": "Redwood",
    "CEDAR": "Cedar", "SUMO": "Sumo", "SUMO2": "SuperSumo", "PALM": "Wrestler", "ARUBA": "Trinity",
}
_ENTRY = re.compile(r"\{\s*0x1002,\s*0x([0-9A-Fa-f]{4}),\s*PCI_ANY_ID,\s*PCI_ANY_ID,\s*0,\s*0,\s*"
                    r"CHIP_([A-Z0-9_]+)")


def read_pciidlist(text):
    """[(device, kernel chip)] of a driver's ID table, upper-case hex, in table order."""
    return [(m.group(1).upper(), m.group(2)) for m in _ENTRY.finditer(text)]


def chip_name(kernel_chip):
    if kernel_chip in CHIP_NAMES:
        return CHIP_NAMES[kernel_chip]
    if re.fullmatch(r"R[SV]?\d{3}", kernel_chip):
        return kernel_chip
    raise ValueError("no pci.ids spelling for the kernel's CHIP_%s; add it to kernel_ids.CHIP_NAMES" % kernel_chip)


def kernel_rows(tables, named, rules, figures):
    """Rows of gpu_kernel.tsv: every AMD ID of tables ([(source, [(device, chip)])], first source first)
    that nothing names (named: the AMD device IDs of pci.ids and gpu_extra.tsv), ranked by the rules as
    its chip's name."""
    rows, seen = [], set()
    for source, entries in tables:
        for device, chip in entries:
            if device in named or device in seen:
                continue
            seen.add(device)
            name = chip_name(chip)
            judged = judge(AMD, name, rules, figures)
            if judged is None:
                continue  # a chip the rules leave out (game consoles, Cyan Skillfish)
            rows.append([AMD, device, judged[0], name, "%s CHIP_%s" % (source, chip), judged[1]])
    return sorted(rows, key=lambda r: r[1])
