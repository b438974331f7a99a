'use strict';
// Spins the nested spintax text of bench/SpinBench.cpp with two npm spinners
// and prints milliseconds per spin. The generator below repeats the C++ one
// step for step; the printed length and FNV-1a checksum must match the
// label of the BM_*Nested1MB benchmarks.
//   npm install && node compare.js [seconds per measurement, default 3]

const Spinner = require('node-spintax');
const melSpintax = require('mel-spintax');

const TARGET_SIZE = 1 << 20;
const WORDS = ['alpha', 'bravo', 'charlie', 'delta', 'echo', 'foxtrot', 'golf', 'hotel',
               'india', 'juliet', 'kilo', 'lima', 'mike', 'november', 'oscar', 'papa'];

function generate() {
  let state = 2463534242;
  function next(n) {
    state ^= state << 13; state >>>= 0;
    state ^= state >>> 17; state >>>= 0;
    state ^= state << 5; state >>>= 0;
    return state % n;
  }
  function group(depth) {
    let out = '{';
    const alternatives = 2 + next(3);
    for (let a = 0; a < alternatives; ++a) {
      if (a > 0) out += '|';
      out += phrase(depth);
    }
    return out + '}';
  }
  function phrase(depth) {
    let out = '';
    const parts = 1 + next(4);
    for (let i = 0; i < parts; ++i) {
      if (i > 0) out += ' ';
      if (depth < 5 && next(3) === 0) out += group(depth + 1);
      else out += WORDS[next(16)];
    }
    return out;
  }
  // The text is a run of top-level sentences; mel-spintax needs them apart.
  const sentences = [];
  let size = 0;
  while (size < TARGET_SIZE) {
    const sentence = group(1) + '. ';
    sentences.push(sentence);
    size += sentence.length;
  }
  return sentences;
}

function fnv1a(text) {
  let hash = 2166136261;
  for (let i = 0; i < text.length; ++i) {
    hash ^= text.charCodeAt(i);
    hash = Math.imul(hash, 16777619) >>> 0;
  }
  return hash.toString(16).padStart(8, '0');
}

function measure(seconds, fn) {
  fn(); // warm-up
  let runs = 0;
  const start = process.hrtime.bigint();
  let elapsed = 0;
  do {
    fn();
    ++runs;
    elapsed = Number(process.hrtime.bigint() - start) / 1e6;
  } while (elapsed < seconds * 1000);
  return elapsed / runs;
}

const seconds = Number(process.argv[2] || 3);
const sentences = generate();
const text = sentences.join('');
console.log(`text: chars=${text.length} fnv=${fnv1a(text)} sentences=${sentences.length}`);

let sink = 0;
const compile = measure(seconds, () => { sink += Spinner(text).countVariations() > 0 ? 1 : 0; });
const spinner = Spinner(text);
const spin = measure(seconds, () => { sink += spinner.unspinRandom(1)[0].length; });
console.log(`node-spintax ${require('node-spintax/package.json').version}: ` +
            `compile ${compile.toFixed(2)} ms, spin ${spin.toFixed(2)} ms per spin ` +
            `(compile + spin ${(compile + spin).toFixed(2)} ms)`);

try {
  melSpintax.unspin(text);
  console.log('mel-spintax: whole text spun in one call');
} catch (e) {
  console.log(`mel-spintax: one call on the whole text fails (${e.message.slice(0, 60)}...)`);
}
const mel = measure(seconds, () => {
  let out = '';
  for (const sentence of sentences) out += melSpintax.unspin(sentence);
  sink += out.length;
});
console.log(`mel-spintax ${require('mel-spintax/package.json').version}: ${mel.toFixed(2)} ms per spin ` +
            `(one call per top-level sentence)`);
if (sink < 0) console.log(sink);
