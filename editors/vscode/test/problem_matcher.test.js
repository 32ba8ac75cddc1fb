// The problem matcher reads the checker's GCC-style lines into file, line,
// column, severity and message, and nothing else.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const path = require('path');
const { EXTENSION } = require('./support');

const manifest = require(path.join(EXTENSION, 'package.json'));
const matcher = manifest.contributes.problemMatchers.find((m) => m.name === 'vorna-check');

function parse(line) {
  const found = new RegExp(matcher.pattern.regexp).exec(line);
  if (!found) return null;
  const { file, line: row, column, severity, message } = matcher.pattern;
  return {
    file: found[file], line: Number(found[row]), column: Number(found[column]),
    severity: found[severity], message: found[message],
  };
}

test('checker lines become problems', () => {
  assert.deepStrictEqual(
    parse("SETUP.BAS:12:5: error: unknown statement or procedure 'WRITEUNINSTALKEY'"),
    { file: 'SETUP.BAS', line: 12, column: 5, severity: 'error',
      message: "unknown statement or procedure 'WRITEUNINSTALKEY'" });
  assert.deepStrictEqual(
    parse('C:\\Products\\Acme\\scripts\\SETUP.BAS:40:9: warning: unknown special folder ' +
      "'DESKTOPP' (did you mean 'DESKTOP'?)"),
    { file: 'C:\\Products\\Acme\\scripts\\SETUP.BAS', line: 40, column: 9, severity: 'warning',
      message: "unknown special folder 'DESKTOPP' (did you mean 'DESKTOP'?)" });
  // A message that itself holds a position does not move the file's end.
  assert.deepStrictEqual(parse("scripts/MAIN.BAS:3:1: error: IF opened at MAIN.BAS:2:1: 'x'"),
    { file: 'scripts/MAIN.BAS', line: 3, column: 1, severity: 'error',
      message: "IF opened at MAIN.BAS:2:1: 'x'" });
});

test('other output is no problem', () => {
  for (const line of ['    IF X THEN', '    ^~~~', 'vorna-pack: 2 errors, 1 warning',
    'SETUP.BAS:12: error: no column', 'SETUP.BAS:x:5: error: no number']) {
    assert.strictEqual(parse(line), null, line);
  }
});

test('the tasks use the matcher', () => {
  assert.strictEqual(matcher.owner, 'vorna');
  assert.deepStrictEqual(manifest.contributes.taskDefinitions[0].properties.action.enum,
    require(path.join(EXTENSION, 'tasks.js')).ACTIONS);
});
