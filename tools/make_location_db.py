#!/usr/bin/env python3
"""Generates the location database resources/prefs.dat and resources/cities.dat.

Sources (all Debian packages; install them before running):
  libtimezonemap-data  /usr/share/libtimezonemap/ui/cities15000.txt, admin1Codes.txt,
                       countryInfo.txt: the GeoNames city list (geonames.org, CC BY 4.0)
  libgeonames-common   /usr/share/locale/ja/LC_MESSAGES/geonames.mo: Japanese names of
                       GeoNames places, keyed by geonameid (CC BY 4.0)
  iso-codes            /usr/share/iso-codes/json/iso_3166-2.json and the Japanese
                       catalogue iso_3166-2.mo: the prefectures JP-01..JP-47 (JIS X 0401)
  unicode-cldr-core    /usr/share/unicode/cldr/common/main/ja.xml: Japanese country names
  tzdata               /usr/share/zoneinfo: standard offsets of the IANA zones
  proj-bin             cct and projinfo: the Tokyo datum transformation EPSG:15483
                       ("Tokyo to JGD2000 (1)", a geocentric translation), run inverted

Usage: python3 tools/make_location_db.py [output folder]   (default: resources/)

Both files are CP932 text with CR LF line ends, one record per line, every text
field quoted.  GeoNames coordinates are taken as the world geodetic system
(JGD2000 in Japan).  A Japanese city's default coordinate set is the old Tokyo
datum, computed by inverting EPSG:15483; outside Japan both sets are equal.
Seconds are rounded half to even.
"""

import datetime
import gettext
import json
import math
import os
import re
import subprocess
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree
import zoneinfo
from collections import defaultdict
from decimal import ROUND_HALF_EVEN, Decimal

GEONAMES_DIR = "/usr/share/libtimezonemap/ui"
GEONAMES_MO = "/usr/share/locale/ja/LC_MESSAGES/geonames.mo"
ISO_3166_2_JSON = "/usr/share/iso-codes/json/iso_3166-2.json"
LOCALE_DIR = "/usr/share/locale"
CLDR_JA = "/usr/share/unicode/cldr/common/main/ja.xml"
TOKYO_TO_JGD2000 = "EPSG:15483"

# The program's default place: Akashi on Japan's standard meridian, 135 degrees
# east, at 34 deg 39 min north in the old Tokyo datum (the engine's default
# location).  Its default set is this point; its JGD2000 set is computed from it.
DEFAULT_PLACE_ID = "1847966"  # Akashi
DEFAULT_PLACE_TOKYO = (Decimal("34.65"), Decimal("135"))
DEFAULT_PLACE_POSITION = 6  # the dialog's default selection is region 28, city 6
DEFAULT_PLACE_REMARKS = "日本標準時子午線 (東経135度)"

# Tokyo's GeoNames point (PPLC, 1850147) lies at the metropolitan government
# offices in Shinjuku ward, the seat of the metropolis.
TOKYO_SEAT = {"1850147": ("Shinjuku", "新宿区")}

# Corrections of GeoNames' first-level division where it is plainly wrong.
# Sakaiminato (境港市) lies in Tottori, not Shimane.
ADMIN1_FIXES = {"1853174": "JP-31"}

CITIES_PER_PREFECTURE = 6  # capital + five more by population

# The eight traditional regions, used as the English prefix of a prefecture
# ("Kinki,Hyogo"); keyed by the last JIS code of each region.
JAPAN_AREAS = [(1, "Hokkaido"), (7, "Tohoku"), (14, "Kanto"), (23, "Chubu"),
               (30, "Kinki"), (35, "Chugoku"), (39, "Shikoku"), (47, "Kyushu")]

# World regions in list order: countries grouped by area.  G20 members all
# appear; Belgium and Ethiopia bring the seats of the European Union
# (Brussels) and of the African Union (Addis Ababa).
WORLD_COUNTRIES = [
    "CN", "KR", "TW", "MN",                                   # East Asia
    "PH", "VN", "TH", "MY", "SG", "ID",                       # South-east Asia
    "IN", "PK", "BD", "NP",                                   # South Asia
    "IR", "TR", "SA", "AE",                                   # West Asia
    "GB", "FR", "BE", "NL", "DE", "CH", "AT", "IT", "ES", "PT",
    "GR", "SE", "NO", "FI", "PL", "RU", "UA",                 # Europe
    "EG", "MA", "NG", "KE", "ET", "ZA",                       # Africa
    "US", "CA", "MX", "BR", "AR", "CL", "PE",                 # Americas
    "AU", "NZ",                                               # Oceania
]
# Countries spanning several time zones get more cities: the most populous city
# of every standard offset first, then the largest others.
LARGE_COUNTRIES = {"US": 9, "CA": 7, "RU": 12, "CN": 7, "IN": 7, "BR": 7, "AU": 7,
                   "ID": 5, "MX": 5}
CITIES_PER_COUNTRY = 3

CONTINENTS = {"AS": "Asia", "EU": "Europe", "AF": "Africa", "NA": "North America",
              "SA": "South America", "OC": "Oceania", "AN": "Antarctica"}
# Countries where a city whose zone differs from the usual zone of its
# province is a GeoNames slip (Zhongshan in Guangdong with Asia/Urumqi); it
# takes the province's zone. Elsewhere such a city may well lie across a zone
# border (El Paso in Texas) and keeps its own.
ZONE_SLIP_COUNTRIES = {"CN"}
JAPANESE_SUFFIXES = ("市", "町", "村", "区")
G20_CAPITALS = {"Buenos Aires", "Canberra", "Brasilia", "Ottawa", "Beijing", "Paris",
                "Berlin", "New Delhi", "Jakarta", "Rome", "Mexico City", "Moscow",
                "Riyadh", "Pretoria", "Seoul", "Ankara", "London", "Washington, D.C.",
                "Brussels", "Addis Ababa"}


def has_japanese(text):
    return any("\u3040" <= c <= "\u30ff" or "\u4e00" <= c <= "\u9fff" for c in text)


def all_japanese(text):
    return all("\u3040" <= c <= "\u30ff" or "\u4e00" <= c <= "\u9fff" or c in "ヶ々・＝ー"
               for c in text)


def cp932_ok(text):
    try:
        text.encode("cp932")
        return '"' not in text
    except UnicodeEncodeError:
        return False


def ascii_name(text):
    folded = unicodedata.normalize("NFKD", text).encode("ascii", "ignore").decode()
    return folded.strip()


class City:
    def __init__(self, fields):
        self.id = fields[0]
        self.name = fields[1]
        self.asciiname = fields[2]
        self.alternates = [a for a in fields[3].split(",") if a]
        self.lat = Decimal(fields[4])
        self.lon = Decimal(fields[5])
        self.feature = fields[7]
        self.country = fields[8]
        self.admin1 = fields[10]
        self.population = int(fields[14] or 0)
        self.zone = fields[17]


def load_cities():
    with open(os.path.join(GEONAMES_DIR, "cities15000.txt"), encoding="utf-8") as f:
        return [City(line.rstrip("\n").split("\t")) for line in f if line.strip()]


def load_country_info():
    info = {}
    with open(os.path.join(GEONAMES_DIR, "countryInfo.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            info[fields[0]] = {"name": fields[4], "continent": fields[8]}
    return info


def load_admin1_names():
    names = {}
    with open(os.path.join(GEONAMES_DIR, "admin1Codes.txt"), encoding="utf-8") as f:
        for line in f:
            code, _, asciiname, _ = line.rstrip("\n").split("\t")
            names[code] = asciiname
    return names


def load_catalogue():
    with open(GEONAMES_MO, "rb") as f:
        return gettext.GNUTranslations(f)._catalog


def load_cldr_names():
    """Japanese country names and the zones' exemplar cities."""
    root = ElementTree.parse(CLDR_JA).getroot()
    territories = {}
    for node in root.iter("territory"):
        if node.get("alt") is None:
            territories[node.get("type")] = node.text
    exemplars = {}
    for node in root.iter("zone"):
        city = node.find("exemplarCity")
        if city is not None and city.get("alt") is None:
            exemplars[node.get("type")] = city.text
    return territories, exemplars


def distance_km(a, b):
    lat1, lon1, lat2, lon2 = map(math.radians, map(float, (a.lat, a.lon, b.lat, b.lon)))
    h = math.sin((lat2 - lat1) / 2) ** 2 + \
        math.cos(lat1) * math.cos(lat2) * math.sin((lon2 - lon1) / 2) ** 2
    return 2 * 6371 * math.asin(math.sqrt(h))


def plausible_zones(cities):
    """GeoNames gives some cities the zone of another part of the country
    (Zhongshan in Guangdong with Asia/Urumqi); a city keeps its zone only when
    it is the most common zone of its first-level division."""
    counts = defaultdict(lambda: defaultdict(int))
    for city in cities:
        counts[(city.country, city.admin1)][city.zone] += 1
    return {key: max(zones, key=zones.get) for key, zones in counts.items()}


# --- prefectures -----------------------------------------------------------

def prefecture_kanji(base):
    if base == "北海道":
        return base
    if base == "東京":
        return "東京都"
    if base in ("京都", "大阪"):
        return base + "府"
    return base + "県"


def japan_area(code):
    return next(name for last, name in JAPAN_AREAS if code <= last)


def load_prefectures():
    with open(ISO_3166_2_JSON, encoding="utf-8") as f:
        entries = json.load(f)["3166-2"]
    ja = gettext.translation("iso_3166-2", localedir=LOCALE_DIR, languages=["ja"])
    prefectures = []
    for entry in entries:
        match = re.fullmatch(r"JP-(\d\d)", entry["code"])
        if match:
            code = int(match.group(1))
            prefectures.append({"code": code, "iso": entry["code"],
                                "english": ascii_name(entry["name"]),
                                "prefix": japan_area(code),
                                "japanese": prefecture_kanji(ja.gettext(entry["name"]))})
    prefectures.sort(key=lambda p: p["code"])
    assert [p["code"] for p in prefectures] == list(range(1, 48))
    return prefectures


def admin1_to_iso(prefectures, admin1_names):
    """GeoNames numbers the prefectures alphabetically; match them by name."""
    by_name = {p["english"].lower(): p["iso"] for p in prefectures}
    mapping = {}
    for key, asciiname in admin1_names.items():
        if key.startswith("JP."):
            name = asciiname.replace(" Prefecture", "").lower()
            mapping[key[3:]] = by_name[name]
    assert len(mapping) == 47
    return mapping


# --- names -----------------------------------------------------------------

def japanese_city_name(city, catalogue, is_capital, allow_ward):
    """The name as the place is called, or None when the sources do not say."""
    kanji_alternates = [a for a in city.alternates if has_japanese(a) and all_japanese(a)]
    base = catalogue.get(city.id)
    if base is not None and not all_japanese(base):
        base = None
    suffixes = JAPANESE_SUFFIXES if allow_ward else JAPANESE_SUFFIXES[:3]
    if base and base.endswith(suffixes):
        return base
    if base and base + "市" in kanji_alternates:
        return base + "市"
    english_says_city = re.search(r"(-shi| Shi)$", city.asciiname) is not None
    if base and (is_capital or english_says_city):
        return base + "市"  # every prefectural capital outside Tokyo is a city
    if base is None:
        with_suffix = [a for a in kanji_alternates if a.endswith("市")]
        if with_suffix:
            return with_suffix[0]
    return None


def english_city_name(city, japanese):
    name = re.sub(r"(-shi| Shi)$", "", ascii_name(city.asciiname))
    # "Nishinomiya-hama", "Kakogawacho-honmachi": a district stands for the city.
    match = re.fullmatch(r"([A-Z][a-z']+?)(?:cho|machi)?-[a-z].*", name)
    if match and japanese.endswith("市"):
        name = match.group(1)
    return name


def world_japanese_name(city, catalogue, exemplars):
    name = catalogue.get(city.id)
    if name and has_japanese(name) and cp932_ok(name):
        return name
    # CLDR names the city each zone is named after ("Europe/Vienna": ウィーン).
    zone_city = city.zone.rsplit("/", 1)[-1].replace("_", " ")
    exemplar = exemplars.get(city.zone)
    if exemplar and zone_city == ascii_name(city.name) and cp932_ok(exemplar):
        return exemplar
    for alternate in city.alternates:
        if re.fullmatch(r"[\u30a0-\u30ff・＝]+", alternate) and cp932_ok(alternate):
            return alternate
    return None


# --- coordinates -----------------------------------------------------------

def tokyo_pipeline():
    return subprocess.run(["projinfo", "-k", "operation", TOKYO_TO_JGD2000, "-o", "PROJ",
                           "-q", "--single-line"], check=True, capture_output=True,
                          text=True).stdout.split()


def run_cct(points, inverse):
    """Transforms (lat, lon) pairs with EPSG:15483, inverted for JGD2000 -> Tokyo."""
    command = ["cct", "-d", "10"] + (["-I"] if inverse else []) + tokyo_pipeline()
    text = "".join(f"{lat} {lon} 0 0\n" for lat, lon in points)
    out = subprocess.run(command, input=text, check=True, capture_output=True, text=True)
    result = []
    for line in out.stdout.splitlines():
        fields = line.split()
        result.append((Decimal(fields[0]), Decimal(fields[1])))
    assert len(result) == len(points)
    return result


def to_dms(degrees):
    """Degrees to (d, m, s) with seconds rounded half to even; the sign sits on
    the first non-zero member."""
    total = (abs(degrees) * 3600).quantize(Decimal(1), rounding=ROUND_HALF_EVEN)
    total = int(total)
    d, rest = divmod(total, 3600)
    m, s = divmod(rest, 60)
    parts = [d, m, s]
    if degrees < 0 and total != 0:
        first = next(i for i, v in enumerate(parts) if v != 0)
        parts[first] = -parts[first]
    return parts


# --- time zones ------------------------------------------------------------

def standard_offset(zone_name):
    """The zone's standard offset in hours: the smaller of the January and July
    offsets, which leaves daylight saving out on either hemisphere."""
    zone = zoneinfo.ZoneInfo(zone_name)
    offsets = [datetime.datetime(2024, month, 1, 12, tzinfo=zone).utcoffset()
               for month in (1, 7)]
    return Decimal(int(min(offsets).total_seconds())) / 3600


def dial_offset(zone_name):
    """The standard offset as the program takes it (-12..12): an offset beyond
    +12 (Tonga, Samoa at +13) is the same clock time a day apart, -11."""
    offset = standard_offset(zone_name)
    return offset - 24 if offset > 12 else offset


def format_hours(value):
    return format(value.normalize(), "f")  # 9, 5.5, -3.5, 5.75


# --- selection -------------------------------------------------------------

def select_japan(cities, catalogue, iso_by_admin1, prefectures):
    by_prefecture = defaultdict(list)
    for city in cities:
        if city.country == "JP":
            iso = ADMIN1_FIXES.get(city.id) or iso_by_admin1.get(city.admin1)
            if iso:
                by_prefecture[int(iso[3:])].append(city)
    selected = {}
    for prefecture in prefectures:
        code = prefecture["code"]
        candidates = sorted(by_prefecture[code], key=lambda c: -c.population)
        capitals = [c for c in candidates if c.feature == "PPLA"] if code != 13 else \
            [c for c in candidates if c.id in TOKYO_SEAT]
        assert len(capitals) == 1, (code, [c.name for c in capitals])
        capital = capitals[0]
        named = []
        seen = set()
        for city in [capital] + [c for c in candidates if c is not capital]:
            if city.id in TOKYO_SEAT:
                english, japanese = TOKYO_SEAT[city.id]
            else:
                japanese = japanese_city_name(city, catalogue, city is capital, code == 13)
                if japanese is None or not cp932_ok(japanese) or japanese in seen:
                    continue
                english = english_city_name(city, japanese)
                if "-" in english and english.split("-")[-1].islower():
                    continue  # a district ("Tsurugi-asahimachi"), not a municipality
            seen.add(japanese)
            named.append((city, english, japanese))
        # Cities (and Tokyo's wards) by population, then towns and villages.
        rank = {name: i for i, name in enumerate(named)}
        named.sort(key=lambda e: (e[0] is not capital, not e[2].endswith(("市", "区")),
                                  rank[e]))
        chosen = named[:CITIES_PER_PREFECTURE]
        if code == 28:
            chosen = place_default(chosen, candidates, catalogue)
        assert len(chosen) >= 4, (code, len(chosen))
        selected[code] = chosen
    return selected


def add_every_japanese_city(selected, cities, catalogue, iso_by_admin1):
    """After a prefecture's six, every other city of the list by population.
    Tokyo's own point, listed first as the seat 新宿区, comes again as 東京."""
    listed = {entry[0].id for entries in selected.values() for entry in entries}
    by_prefecture = defaultdict(list)
    for city in cities:
        if city.country != "JP":
            continue
        iso = ADMIN1_FIXES.get(city.id) or iso_by_admin1.get(city.admin1)
        if iso and (city.id not in listed or city.id in TOKYO_SEAT):
            by_prefecture[int(iso[3:])].append(city)
    for code, candidates in by_prefecture.items():
        for city in sorted(candidates, key=lambda c: -c.population):
            japanese = japanese_city_name(city, catalogue, False, code == 13)
            if japanese is None:
                base = catalogue.get(city.id)
                japanese = base if base and all_japanese(base) else None
            if japanese is None or not cp932_ok(japanese):
                japanese = ascii_name(city.asciiname)
                english = japanese
            else:
                english = english_city_name(city, japanese)
            selected[code].append((city, english, japanese))


def place_default(chosen, candidates, catalogue):
    """Puts the default place at its fixed position; the others keep their
    population order."""
    others = [entry for entry in chosen if entry[0].id != DEFAULT_PLACE_ID]
    place = next(c for c in candidates if c.id == DEFAULT_PLACE_ID)
    japanese = japanese_city_name(place, catalogue, False, False)
    entry = (place, english_city_name(place, japanese), japanese)
    others = others[:DEFAULT_PLACE_POSITION - 1]
    assert len(others) == DEFAULT_PLACE_POSITION - 1
    return others + [entry]


def pick_country_cities(code, candidates, catalogue, exemplars, zones):
    limit = LARGE_COUNTRIES.get(code, CITIES_PER_COUNTRY)
    capitals = [c for c in candidates if c.feature == "PPLC"]
    assert len(capitals) == 1, (code, [c.name for c in capitals])
    capital = capitals[0]
    by_population = [c for c in sorted(candidates, key=lambda c: -c.population)
                     if zones[(c.country, c.admin1)] == c.zone
                     and abs(standard_offset(c.zone)) <= 12]
    picks = [capital]

    def distinct(city):  # "City of London" and "Brooklyn" are parts of a listed city
        return all(distance_km(city, other) > 15 for other in picks)

    if code in LARGE_COUNTRIES:
        offsets = {standard_offset(capital.zone)}
        for city in by_population:
            offset = standard_offset(city.zone)
            if offset not in offsets and len(picks) < limit and distinct(city):
                offsets.add(offset)
                picks.append(city)
    for city in by_population:
        if len(picks) >= limit:
            break
        if city not in picks and world_japanese_name(city, catalogue, exemplars) and \
                distinct(city):
            picks.append(city)
    rest = sorted(picks[1:], key=lambda c: -c.population)
    return [capital] + rest


def english_world_name(city):
    return ascii_name(city.name) or ascii_name(city.asciiname)


def select_world(cities, catalogue, country_info, cldr, admin1_names):
    """The countries of WORLD_COUNTRIES first with their chosen cities, as
    older versions listed them; then every other city of each country by
    population, and every other country by English name."""
    territories, exemplars = cldr
    zones = plausible_zones(cities)
    by_country = defaultdict(list)
    for city in cities:
        if city.country != "JP":
            by_country[city.country].append(city)
    others = sorted((c for c in by_country if c not in WORLD_COUNTRIES),
                    key=lambda c: ascii_name(country_info[c]["name"]))
    regions = []
    for code in WORLD_COUNTRIES + others:
        english = ascii_name(country_info[code]["name"])
        japanese = territories.get(code)
        if not japanese or not cp932_ok(japanese):
            japanese = english
        assert cp932_ok(english), code
        picks = []
        if code in WORLD_COUNTRIES:
            picks = pick_country_cities(code, by_country[code], catalogue, exemplars, zones)
        entries = []
        seen = set()
        for city in picks:
            name = english_world_name(city)
            if name in seen:
                continue
            seen.add(name)
            japanese_name = world_japanese_name(city, catalogue, exemplars) or name
            entries.append((city, name, japanese_name, "首都" if not entries else ""))
        listed = {entry[0].id for entry in entries}
        rest = sorted((c for c in by_country[code] if c.id not in listed),
                      key=lambda c: (c.feature != "PPLC", -c.population))
        names = defaultdict(int)
        for city in by_country[code]:
            names[english_world_name(city)] += 1
        for city in rest:
            name = english_world_name(city)
            japanese_name = world_japanese_name(city, catalogue, exemplars) or name
            # Several places of one name: the province tells them apart.
            remarks = "首都" if city.feature == "PPLC" else \
                admin1_names.get(f"{city.country}.{city.admin1}", "") if names[name] > 1 else ""
            entries.append((city, name, japanese_name, ascii_name(remarks) or remarks))
        regions.append({"english": english, "prefix": CONTINENTS[country_info[code]["continent"]],
                        "japanese": japanese, "cities": entries})
    return regions


# --- output ----------------------------------------------------------------

def zone_lines(zone_places):
    """A place for every IANA zone of the world's cities: the city the zone is
    named after, else the zone's most populous city. Japan's zone is left out:
    there the program keeps its own default place."""
    lines = []
    for zone in sorted(zone_places):
        places = zone_places[zone]
        named = zone.rsplit("/", 1)[-1].replace("_", " ")
        matching = [p for p in places if p[1] == named or ascii_name(p[0].name) == named]
        city, english, japanese, region, point, hours = (matching or
                                                         sorted(places, key=lambda p: -p[0].population))[0]
        numbers = to_dms(point[0]) + to_dms(point[1])
        fields = [quoted(zone), quoted(f"{english}, {region['english']}"),
                  quoted(f"{japanese}, {region['japanese']}")]
        fields += [str(n) for n in numbers] + [format_hours(hours)]
        lines.append(",".join(fields))
    return lines


def quoted(text):
    assert '"' not in text and "\r" not in text and "\n" not in text
    return '"' + text + '"'


def city_line(region, number, english, japanese, default_set, world_set, zone_hours, remarks):
    lat0, lon0 = default_set
    lat1, lon1 = world_set
    numbers = to_dms(lat0) + to_dms(lon0) + to_dms(lat1) + to_dms(lon1)
    fields = [str(region), str(number), quoted(english), quoted(japanese)]
    fields += [str(n) for n in numbers]
    fields += [format_hours(zone_hours), quoted(remarks)]
    return ",".join(fields)


def capital_remarks(prefecture_kanji_name):
    return prefecture_kanji_name[-1] + "庁所在地"


def write_cp932(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    with open(path, "wb") as f:
        f.write(data)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    cities = load_cities()
    catalogue = load_catalogue()
    prefectures = load_prefectures()
    admin1_names = load_admin1_names()
    iso_by_admin1 = admin1_to_iso(prefectures, admin1_names)
    japan = select_japan(cities, catalogue, iso_by_admin1, prefectures)
    add_every_japanese_city(japan, cities, catalogue, iso_by_admin1)
    world = select_world(cities, catalogue, load_country_info(), load_cldr_names(), admin1_names)

    region_lines = [",".join([str(p["code"]), quoted(p["english"]), quoted(p["prefix"]),
                              quoted(p["japanese"])]) for p in prefectures]
    for index, region in enumerate(world):
        region_lines.append(",".join([str(48 + index), quoted(region["english"]),
                                      quoted(region["prefix"]), quoted(region["japanese"])]))
    assert len(region_lines) <= 1000

    # Japan: GeoNames gives JGD2000; the Tokyo datum comes from the inverted
    # transformation.  The default place is fixed in the Tokyo datum instead.
    japanese_entries = [(code, n + 1, entry) for code in sorted(japan)
                        for n, entry in enumerate(japan[code])]
    world_points = [(e[0].lat, e[0].lon) for _, _, e in japanese_entries]
    tokyo_points = run_cct(world_points, inverse=True)
    default_world = run_cct([DEFAULT_PLACE_TOKYO], inverse=False)[0]

    city_lines = []
    for (code, number, (city, english, japanese)), tokyo, world_point in zip(
            japanese_entries, tokyo_points, world_points):
        remarks = capital_remarks(prefectures[code - 1]["japanese"]) if number == 1 else ""
        if city.id in TOKYO_SEAT and number > 1:
            english, japanese, remarks = "Tokyo", "東京", ""
        if city.id == DEFAULT_PLACE_ID:
            tokyo, world_point, remarks = DEFAULT_PLACE_TOKYO, default_world, DEFAULT_PLACE_REMARKS
        city_lines.append(city_line(code, number, english, japanese, tokyo, world_point,
                                    standard_offset(city.zone), remarks))
    zone_places = {}
    province_zones = plausible_zones(cities)
    for index, region in enumerate(world):
        for number, (city, english, japanese, remarks) in enumerate(region["cities"], start=1):
            point = (city.lat, city.lon)
            zone = province_zones[(city.country, city.admin1)] \
                if city.country in ZONE_SLIP_COUNTRIES else city.zone
            hours = dial_offset(zone)
            city_lines.append(city_line(48 + index, number, english, japanese, point, point,
                                        hours, remarks))
            zone_places.setdefault(city.zone, []).append(
                (city, english, japanese, region, point, hours))

    write_cp932(os.path.join(out_dir, "prefs.dat"), region_lines)
    write_cp932(os.path.join(out_dir, "cities.dat"), city_lines)
    write_cp932(os.path.join(out_dir, "zones.dat"), zone_lines(zone_places))

    world_count = sum(len(r["cities"]) for r in world)
    names = {e[1] for r in world for e in r["cities"]}
    missing = G20_CAPITALS - names
    assert not missing, missing
    print(f"regions: {len(region_lines)}, Japanese cities: {len(japanese_entries)}, "
          f"world cities: {world_count}")


if __name__ == "__main__":
    main()
