// The tasks' command lines from the extension's settings.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const path = require('path');
const { execFileSync } = require('child_process');
const { EXTENSION, GRAMMAR_TOOL } = require('./support');
const { commandLine } = require(path.join(EXTENSION, 'tasks.js'));

const manifest = require(path.join(EXTENSION, 'package.json'));

/** The settings' defaults as the manifest declares them. */
function defaults() {
  const settings = {};
  for (const [key, property] of Object.entries(manifest.contributes.configuration.properties)) {
    settings[key.replace(/^vorna\./, '')] = property.default;
  }
  return settings;
}

test('check, build and run with the default settings', () => {
  const folder = '/work/acme';
  assert.deepStrictEqual(commandLine('check', defaults(), folder),
    { program: 'vorna-pack', args: ['check', '/work/acme/scripts'] });
  assert.deepStrictEqual(commandLine('build', defaults(), folder), {
    program: 'vorna-pack',
    args: ['build', '--stub', 'vorna.exe', '--scripts', '/work/acme/scripts',
      '--out', '/work/acme/build/setup.exe', '--files', '/work/acme/payload'],
  });
  assert.deepStrictEqual(commandLine('run', defaults(), folder),
    { program: 'vorna-run', args: ['--image', '/work/acme/build/setup.exe'] });
});

test('optional folders and absolute paths', () => {
  const settings = { ...defaults(), filesFolder: '', answersFile: 'answers.txt',
    output: '/tmp/out/setup.exe' };
  assert.ok(!commandLine('build', settings, '/p').args.includes('--files'));
  assert.deepStrictEqual(commandLine('run', settings, '/p').args,
    ['--image', '/tmp/out/setup.exe', '--answers', path.join('/p', 'answers.txt')]);
  assert.throws(() => commandLine('deploy', settings, '/p'), /unknown vorna task action 'deploy'/);
});

test('the extension has the version of the tools', () => {
  const tools = execFileSync(GRAMMAR_TOOL, ['--version'], { encoding: 'latin1' }).trim();
  assert.strictEqual(tools, `vorna-grammar ${manifest.version}`);
});
