'use strict';
// The engine as WebAssembly, under node, against the native build on the engine's random
// property cases: the same fields, messages, explanation and reading for every one.
const fs = require('node:fs');
const path = require('node:path');
const { execFileSync } = require('node:child_process');

const [engineScript, tables, seed, count] = process.argv.slice(2);
const cases = execFileSync(tables, ['cases', seed, count], { encoding: 'utf8', maxBuffer: 1 << 28 })
  .trim().split('\n').map((line) => JSON.parse(line));

require(path.resolve(engineScript))({ wasmBinary: fs.readFileSync(engineScript.replace(/\.js$/, '.wasm')) })
  .then((engine) => {
    const fields = new Array(11).fill('');
    let messages = [];
    const fieldSet = engine.FieldSet.implement({
      read: (index) => fields[index],
      write: (index, text) => { fields[index] = text; },
      message: (text) => { messages.push(text); },
    });
    let differences = 0;
    for (const [row, expected] of cases.entries()) {
      fields.fill('');
      expected.texts.forEach((text, i) => { fields[i + 1] = text; });
      messages = [];
      const calculator = new engine.Calculator();
      if (expected.button >= 0)
        calculator.chooseOperation(expected.button);
      calculator.evaluate(fieldSet);
      const seen = { ...expected, shown: fields.slice(1), messages,
        explanation: calculator.explanation(), reading: calculator.reading() };
      calculator.delete();
      if (JSON.stringify(seen) !== JSON.stringify(expected) && ++differences <= 5)
        console.log(`row ${row}: native ${JSON.stringify(expected)}\n        wasm   ${JSON.stringify(seen)}`);
    }
    console.log(`${cases.length} cases, ${differences} differences`);
    process.exit(differences || cases.length === 0 ? 1 : 0);
  });
