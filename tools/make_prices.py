#!/usr/bin/env python3
"""Derives the program's price table from the public copies of three consumer price tables.

    python3 tools/make_prices.py [source folder] [resources/prices/prices.tsv]

The source folder (by default ../shared/data/prices beside the repository) holds, as published:
us-cpi-u-monthly.csv (U.S. CPI-U by month), uk-cdko-annual.csv (UK consumer prices by year) and
world-bank-inflation-annual.csv (yearly consumer price inflation in % by country). Refresh the
figures by putting newer copies of the same tables there and running this again; the date of each
copy is its file's modification day. Only the standard library is used; nothing is fetched.

The output has one line per source and one per region, fields separated by tabs:
    S  id  title  licence  date of the copy  credit line
    R  code  country  source id  first year  latest month (YYYY-MM or -)  its index (or -)  levels
The levels are the yearly price levels from the first year on, separated by blanks. The U.S. level
of a year is the mean of its twelve months rounded to three decimals, as the BLS publishes it (of
the eleven held for 2025, whose October was never collected); the year not yet complete is left
out, and its last month is the latest period. The World Bank's yearly
changes are chained into a level of 100 in the year before the first change of the last unbroken
run of years.
"""

import csv
import datetime
import json
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ISO_CODES = "/usr/share/iso-codes/json/iso_3166-1.json"

SOURCES = [
    ("BLS", "us-cpi-u-monthly.csv",
     "U.S. Bureau of Labor Statistics, Consumer Price Index for All Urban Consumers (CPI-U), U.S. city average, "
     "all items, series CUUR0000SA0, 1982-84 = 100",
     "Public domain (U.S. federal data)", "Source: U.S. Bureau of Labor Statistics"),
    ("ONS", "uk-cdko-annual.csv",
     "Office for National Statistics, long-term indicator of prices of consumer goods and services, series CDKO, "
     "January 1974 = 100",
     "Open Government Licence v3.0",
     "Source: Office for National Statistics licensed under the Open Government Licence v.3.0"),
    ("WB", "world-bank-inflation-annual.csv",
     "The World Bank, World Development Indicators, Inflation, consumer prices (annual %), FP.CPI.TOTL.ZG",
     "CC BY 4.0",
     "Source: The World Bank, World Development Indicators, Inflation, consumer prices (annual %), CC BY 4.0"),
]


def copy_date(path):
    return datetime.date.fromtimestamp(os.path.getmtime(path)).isoformat()


def number(value):
    return "%.6g" % value


def us_levels(path):
    months = {}
    with open(path, newline="") as f:
        for row in csv.DictReader(f):
            year, month = int(row["Date"][:4]), int(row["Date"][5:7])
            months.setdefault(year, {})[month] = float(row["Index"])
    last_year = max(months)
    full = sorted(y for y in months if y < last_year or len(months[y]) == 12)
    levels = ["%.3f" % round(sum(months[y].values()) / len(months[y]) + 1e-9, 3) for y in full]
    last_month = max(months[last_year])
    latest = ("%04d-%02d" % (last_year, last_month), "%g" % months[last_year][last_month])
    return full[0], levels, latest


def uk_levels(path):
    with open(path, newline="") as f:
        rows = [(int(r["Year"]), r["Price Index"]) for r in csv.DictReader(f)]
    rows.sort()
    return rows[0][0], [value for _, value in rows]


def world_bank(path):
    alpha2 = {c["alpha_3"]: c["alpha_2"] for c in json.load(open(ISO_CODES))["3166-1"]}
    series = {}
    with open(path, newline="") as f:
        for row in csv.DictReader(f):
            if row["CPI"] and row["Country Code"] in alpha2:
                series.setdefault(row["Country Code"], (row["Country"], {}))[1][int(row["Year"])] = float(row["CPI"])
    regions = []
    for code3, (name, years) in series.items():
        last = max(years)
        first = last
        while first - 1 in years:
            first -= 1
        level, levels = 100.0, ["100"]
        for year in range(first, last + 1):
            level *= 1 + years[year] / 100
            levels.append(number(level))
        regions.append((alpha2[code3], name, first - 1, levels))
    return sorted(regions)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "..", "shared", "data", "prices")
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "resources", "prices", "prices.tsv")
    lines = []
    for ident, name, title, licence, credit in SOURCES:
        lines.append("\t".join(["S", ident, title, licence, copy_date(os.path.join(folder, name)), credit]))
    first, levels, latest = us_levels(os.path.join(folder, SOURCES[0][1]))
    lines.append("\t".join(["R", "US", "United States", "BLS", str(first), latest[0], latest[1], " ".join(levels)]))
    first, levels = uk_levels(os.path.join(folder, SOURCES[1][1]))
    lines.append("\t".join(["R", "GB", "United Kingdom", "ONS", str(first), "-", "-", " ".join(levels)]))
    for code, name, first, levels in world_bank(os.path.join(folder, SOURCES[2][1])):
        if code not in ("US", "GB"):  # their own national tables are used
            lines.append("\t".join(["R", code, name, "WB", str(first), "-", "-", " ".join(levels)]))
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
