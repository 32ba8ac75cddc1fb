// The command lines of the extension's tasks, kept apart from the editor API
// so that tests can check them with plain node.
'use strict';

const path = require('path');

/** The three actions, in the order the task list shows them. */
const ACTIONS = ['check', 'build', 'run'];

/** A setting's path taken relative to the workspace folder unless absolute. */
function inFolder(folder, setting) {
  return path.isAbsolute(setting) ? setting : path.join(folder, setting);
}

/**
 * The program and arguments of an action for a workspace folder, from the
 * extension's settings (the "vorna.*" values without their prefix).
 */
function commandLine(action, settings, folder) {
  const scripts = inFolder(folder, settings.scriptsFolder);
  const output = inFolder(folder, settings.output);
  switch (action) {
    case 'check':
      return { program: settings.packPath, args: ['check', scripts] };
    case 'build': {
      const args = ['build', '--stub', settings.runtimePath, '--scripts', scripts, '--out', output];
      if (settings.filesFolder) args.push('--files', inFolder(folder, settings.filesFolder));
      return { program: settings.packPath, args };
    }
    case 'run': {
      const args = ['--image', output];
      if (settings.answersFile) args.push('--answers', inFolder(folder, settings.answersFile));
      return { program: settings.runPath, args };
    }
    default:
      throw new Error(`unknown vorna task action '${action}'`);
  }
}

module.exports = { ACTIONS, commandLine };
