// The benchmark page's loader: the same page around the benchmark module, which runs at once and
// leaves its figures for the driver to read.
createPalettra({ wasmBinary: moduleBytes() }).then((module) => {
    document.body.dataset.benchmarks = module.runBenchmarks();
});
