// The problem matcher reads the checker's GCC-style lines into file, line,
// column, severity and message, and nothing else.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');
const { EXTENSION, PACK_TOOL } = require('./support');

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

test("the checker's own output becomes problems, one a diagnostic", () => {
  const scripts = fs.mkdtempSync(path.join(os.tmpdir(), 'vorna-matcher-'));
  try {
    fs.writeFileSync(path.join(scripts, 'STARTUP.CTL'), 'SETUP.BAS\r\n');
    fs.writeFileSync(path.join(scripts, 'SETUP.BAS'),
      'SUB MAIN\r\n  IF X THEN\r\n  WRITEUNINSTALKEY 1\r\n  X = SPECIALFOLDER("DESKTOPP")\r\nEND SUB\r\n');
    const run = spawnSync(PACK_TOOL, ['check', scripts], { encoding: 'latin1' });
    assert.strictEqual(run.status, 1, run.stderr);
    const lines = run.stdout.split('\n').filter((line) => line !== '');
    const file = path.join(scripts, 'SETUP.BAS');
    assert.deepStrictEqual(lines.map(parse), [
      { file, line: 3, column: 3, severity: 'error',
        message: "unknown statement or procedure 'WRITEUNINSTALKEY'" },
      { file, line: 4, column: 21, severity: 'warning',
        message: "unknown special folder 'DESKTOPP': SPECIALFOLDER answers \"\" (did you mean " +
          "'DESKTOP'?)" },
      { file, line: 5, column: 1, severity: 'error',
        message: 'END SUB with the IF of line 2 still open (missing END IF?)' },
    ]);
    assert.strictEqual(parse(run.stderr.trim()), null);
  } finally {
    fs.rmSync(scripts, { recursive: true, force: true });
  }
});

test('the tasks use the matcher', () => {
  assert.strictEqual(matcher.owner, 'vorna');
  assert.deepStrictEqual(manifest.contributes.taskDefinitions[0].properties.action.enum,
    require(path.join(EXTENSION, 'tasks.js')).ACTIONS);
});
