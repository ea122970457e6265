// The page's first script, written so that any browser can read it: it keeps a record of every
// error and refused request (which the tests read back, as some engines' drivers never see the
// console), and it finds out whether this browser can run the program at all. A browser that
// cannot gets a page that says so, in place of a blank one or a half-started program.
(function () {
    'use strict';
    var problems = [];
    window.palettraHealth = { problems: problems, supported: false, heapInUse: null };
    window.addEventListener('error', function (event) {
        problems.push('error: ' + (event.message || (event.target && event.target.tagName)));
    }, true);
    window.addEventListener('unhandledrejection', function (event) {
        problems.push('unhandled rejection: ' + event.reason);
    });
    document.addEventListener('securitypolicyviolation', function (event) {
        problems.push('refused by the policy: ' + event.violatedDirective + ' ' + event.blockedURI);
    });
    ['error', 'warn'].forEach(function (level) {
        var original = console[level];
        console[level] = function () {
            problems.push('console.' + level + ': ' + Array.prototype.join.call(arguments, ' '));
            return original.apply(console, arguments);
        };
    });

    // One small module for each WebAssembly feature the program is compiled with.
    var wasmFeatures = {
        'SIMD': [0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 10, 1, 8, 0, 65, 0, 253, 15,
            253, 98, 11],
        'non-trapping conversions': [0, 97, 115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 3, 2, 1, 0, 10, 12, 1, 10, 0, 67,
            0, 0, 0, 0, 252, 0, 26, 11],
    };

    function lacking() {
        if (typeof WebAssembly !== 'object' || typeof WebAssembly.validate !== 'function')
            return ['WebAssembly'];
        var lacks = Object.keys(wasmFeatures).filter(function (feature) {
            return !WebAssembly.validate(new Uint8Array(wasmFeatures[feature]));
        });
        // Under the page's policy a browser that does not know 'wasm-unsafe-eval' refuses to compile.
        try {
            new WebAssembly.Module(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0]));
        } catch (error) {
            lacks.push("'wasm-unsafe-eval'");
        }
        // What the page's own script uses, of the newest.
        if (typeof HTMLDialogElement !== 'function' || typeof Array.prototype.at !== 'function'
            || typeof ResizeObserver !== 'function')
            lacks.push('dialog, Array.at, ResizeObserver');
        return lacks;
    }

    // In place of the program, one of the page's notices, with what it has to add.
    window.palettraHealth.showNotice = function (id, detail) {
        document.getElementById('desktop').hidden = true;
        document.getElementById(id).hidden = false;
        document.getElementById(id + '-detail').textContent = detail;
    };

    var lacks = lacking();
    window.palettraHealth.supported = lacks.length === 0;
    if (!window.palettraHealth.supported) {
        document.addEventListener('DOMContentLoaded', function () {
            window.palettraHealth.showNotice('unsupported', lacks.join(', '));
        });
    }
})();
