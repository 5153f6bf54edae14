# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the journal in rednotebook-2.29/ with Debian's own rednotebook package (2.29): its own
# storage code loads the journal, one day is written as its editor would, and the journal is saved,
# once per day of use, as a session of the program does.
#   python3 rednotebook-2.29.py rednotebook-2.29
import sys

sys.path.insert(0, "/usr/share/rednotebook")
from rednotebook import storage  # noqa: E402
from rednotebook.data import Month  # noqa: E402

journal = sys.argv[1]
days = [
    (2024, 4, 30, "Last day of April. The **cherry** trees are green now.\n"
                  "Wrote a list:\n- milk\n- eggs\n"),
    (2024, 5, 1, "=== May Day ===\nA walk by the river with Aiko. 川沿いを散歩した。\n#walk"),
    (2024, 5, 2, "//Rain// all day; read [a book http://example.org/book].\n\nTwo paragraphs."),
    (2024, 5, 3, "Started the garden: tomatoes, basil.\n\tIndented line, trailing space "),
]
for year, month, day, text in days:
    months = storage.load_all_months_from_disk(journal)
    key = storage.format_year_and_month(year, month)
    if key not in months:
        months[key] = Month(year, month)
    entry = months[key].get_day(day)
    entry.text = text
    if day == 3:
        entry.content["Garden"] = {"planting": None}
    months[key].edited = True
    storage.save_months_to_disk(months, journal)
