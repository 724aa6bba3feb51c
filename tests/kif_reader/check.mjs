// Our KIF read by another program's reader, tsshogi, and tsshogi's KIF read by ours.
//
//   node check.mjs KIF_GAMES DIR
//
// KIF_GAMES writes random games (spells as comments) into DIR; tsshogi reads each, every move
// is replayed through its legality check and the final position must be the one KIF_GAMES
// reached. Games the standard rules forbid must be read whole, and refused by the check at the
// ply KIF_GAMES names. Then tsshogi writes KIF (a game of its own and one of ours read back),
// and our reader, through KIF_GAMES, must reach the same final position.
import { execFileSync } from "node:child_process";
import { readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import path from "node:path";
import { Move, Record, Square, exportKIF, importKIF } from "tsshogi";

const [kifGames, dir] = process.argv.slice(2);
const kRandomSeed = 7;
const kRandomPlies = 150;
const kSpellComment = "封印";
let failures = 0;

function fail(what) {
  console.log(`FAIL ${what}`);
  ++failures;
}

function decode(file) {
  const bytes = readFileSync(file);
  return new TextDecoder(file.endsWith(".kifu") ? "utf-8" : "shift_jis").decode(bytes);
}

// Board, side to move and hands: the move number and the order of the hands may differ.
function positionOf(sfen) {
  const [board, side, hands] = sfen.trim().split(" ");
  const counts = {};
  for (const [, n, piece] of hands.matchAll(/(\d*)(\D)/g)) counts[piece] = Number(n || 1);
  const sorted = Object.keys(counts).sort().map((p) => `${counts[p]}${p}`);
  return `${board} ${side} ${hands === "-" ? "-" : sorted.join("")}`;
}

function samePosition(what, theirs, ours) {
  if (positionOf(theirs) !== positionOf(ours)) fail(`${what}: tsshogi ${theirs}, ours ${ours}`);
}

// The moves of a record replayed through tsshogi's own legality check: the final position, or
// the first ply it refuses.
function replay(record) {
  const position = record.initialPosition.clone();
  let ply = 0;
  for (const node of record.moves) {
    if (!(node.move instanceof Move)) continue;
    ++ply;
    if (!position.isValidMove(node.move)) return { refused: ply, position };
    position.doMove(node.move);
  }
  return { plies: ply, position };
}

// tsshogi 2.2.0 knows no 不成 in KIF (only in KI2): it takes such a line for the game's end,
// and a 同 after it for an error. A move written without 成 is the same move.
const withoutFunari = (text) => text.replace(/^( *\d+ .*?)不成/gm, "$1");

function read(file) {
  const record = importKIF(withoutFunari(decode(file)));
  if (record instanceof Error) fail(`${file}: tsshogi refuses it: ${record.message}`);
  return record instanceof Error ? null : record;
}

const spellLines = (text) => text.split("\n").filter((l) => l.startsWith(`*${kSpellComment}`));
const spellComments = (record) =>
  record.moves.filter((n) => n.comment.includes(kSpellComment)).length;

// Our games: read, replayed, the spells kept as comments, the same final position.
function checkOurGames() {
  const games = readdirSync(dir).filter((f) => /^\d+\.kifu?$/.test(f));
  if (games.length === 0) fail("no games written");
  for (const game of games) {
    const file = path.join(dir, game);
    const record = read(file);
    if (!record) continue;
    const r = replay(record);
    if (r.refused) {
      fail(`${game}: tsshogi refuses ply ${r.refused}`);
      continue;
    }
    const spells = spellLines(decode(file)).length;
    if (spellComments(record) !== spells) fail(`${game}: ${spells} spells, not all comments`);
    const expected = readFileSync(file.replace(/\.kifu?$/, ".sfen"), "utf-8");
    samePosition(game, r.position.sfen, expected);
    console.log(`${game}: ${r.plies} plies, ${spells} spells, ${r.position.sfen}`);
  }
}

// Games the standard rules forbid: read whole, refused where our check refuses them too.
function checkForbidden() {
  const forbidden = path.join(dir, "forbidden");
  for (const game of readdirSync(forbidden).filter((f) => f.endsWith(".kifu"))) {
    const file = path.join(forbidden, game);
    const record = read(file);
    if (!record) continue;
    const written = decode(file).split("\n").filter((l) => /^ *\d+ /.test(l)).length;
    const kept = record.moves.filter((n) => n.move instanceof Move).length;
    const expected = Number(readFileSync(file.replace(/\.kifu$/, ".ply"), "utf-8"));
    const r = replay(record);
    if (kept !== written - 1) fail(`${game}: tsshogi kept ${kept} of ${written - 1} plies`);
    if (r.refused !== expected) fail(`${game}: refused at ${r.refused}, not ${expected}`);
    console.log(`${game}: all ${kept} plies read; the legality check refuses ply ${r.refused}`);
  }
}

// A random legal game of tsshogi's own, from a seed.
function randomGame() {
  let state = kRandomSeed;
  const next = () => {
    state = (state * 1103515245 + 12345) % 2147483648;
    return state / 2147483648;
  };
  const record = new Record();
  for (let ply = 0; ply < kRandomPlies; ++ply) {
    const position = record.position;
    const moves = [];
    const add = (m) => m && position.isValidMove(m) && moves.push(m);
    for (const to of Square.all) {
      for (const from of Square.all) {
        const m = position.createMove(from, to);
        add(m);
        add(m?.withPromote());
      }
      position.hand(position.color).forEach((type, n) => n > 0 && add(position.createMove(type, to)));
    }
    if (moves.length === 0) break;
    record.append(moves[Math.floor(next() * moves.length)]);
  }
  return record;
}

// tsshogi writes KIF; our reader, through kif_games, reaches the same final position.
function checkTheirKif(name, record) {
  const file = path.join(dir, `${name}.kif`);
  writeFileSync(file, exportKIF(record));
  const theirs = replay(record);
  const ours = execFileSync(kifGames, ["final", file], { encoding: "utf-8" });
  samePosition(`${name}.kif read by ours`, theirs.position.sfen, ours);
  console.log(`${name}.kif: ${theirs.plies} plies written by tsshogi, read by ours: ${ours.trim()}`);
}

rmSync(dir, { recursive: true, force: true });
execFileSync(kifGames, ["write", dir], { stdio: "inherit" });
checkOurGames();
checkForbidden();
checkTheirKif("tsshogi_random", randomGame());
const ours = read(path.join(dir, "01.kifu"));
if (ours) checkTheirKif("tsshogi_01", ours);
console.log(failures === 0 ? "kif_reader: all agree" : `kif_reader: ${failures} failures`);
process.exit(failures === 0 ? 0 : 1);
