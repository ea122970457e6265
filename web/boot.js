// Starts the program once the module is ready; the mark times the page's start. A browser that
// cannot run it has been told so already (support.js); one that fails to start it says why.
if (palettraHealth.supported) {
    createPalettra({ wasmBinary: moduleBytes() }).then((module) => {
        const program = new module.Program();
        palettraPage.connect(program);
        palettraHealth.memoryBytes = () => module.HEAP8.buffer.byteLength;
        program.start();
        performance.mark('palettra-started');
    }).catch((error) => {
        palettraHealth.problems.push(`start: ${error}`);
        palettraHealth.showNotice('failed', String(error));
    });
}
