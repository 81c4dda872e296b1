// Qt layer: in progress.
