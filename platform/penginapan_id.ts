<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>T&amp;idak untuk Semua</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Gugurkan</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tutup tanpa Menyimpan</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Tampilkan Rincian...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Rincian...</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Lihat di:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nama berkas:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Jenis berkas:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folder Induk</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Tampilan Daftar</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Tampilan Rinci</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Cari Folder</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Semua Berkas (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Folder &amp;Baru</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ganti Nama</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Tampilkan </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan berkas &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bilah Samping</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Daftar tempat dan penanda</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ke folder induk</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Ubah ke tampilan daftar</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Ubah ke tampilan rinci</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder Baru</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Tempat Terakhir</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Yakin &apos;%1&apos; mau dihapus?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; dilindungi dari penulisan.
Tetap dihapus?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Folder tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 sudah ada.
Ganti berkas itu?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Berkas tidak ditemukan.
Periksa apakah nama berkasnya benar.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folder tidak ditemukan.
Periksa apakah nama foldernya benar.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nama berkas tidak sah</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Nama &quot;%1&quot; tidak dapat dipakai.&lt;/b&gt;&lt;p&gt;Coba nama lain, yang lebih pendek atau tanpa tanda baca.</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Kandar</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Salin &amp;Lokasi Tautan</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Gulir ke sini</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Tepi kiri</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Atas</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Tepi kanan</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bawah</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Halaman ke kiri</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Halaman ke atas</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Halaman ke kanan</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Halaman ke bawah</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Gulir ke kiri</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Gulir ke atas</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Gulir ke kanan</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Gulir ke bawah</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Menampilkan bantuan tentang opsi baris perintah.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Menampilkan bantuan termasuk opsi khusus Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Menampilkan informasi versi.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opsi]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumen:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opsi &apos;%1&apos; tidak dikenal.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opsi tidak dikenal: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nilai sesudah &apos;%1&apos; tidak ada.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nilai tak terduga sesudah &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Pratinjau Cetak</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Halaman berikutnya</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Halaman sebelumnya</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Halaman pertama</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Halaman terakhir</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Sesuaikan lebar</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Sesuaikan halaman</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Tegak</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Mendatar</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Tampilkan satu halaman</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Tampilkan halaman berhadapan</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Tampilkan ikhtisar semua halaman</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Pengaturan halaman</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Pengaturan Halaman</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Kertas</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Ukuran halaman:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lebar:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Tinggi:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sumber kertas:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientasi</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Tegak</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Mendatar</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Mendatar terbalik</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Tegak terbalik</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>margin atas</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>margin kiri</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>margin kanan</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>margin bawah</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Tata Letak Halaman</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Urutan halaman:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Halaman per lembar:</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimeter (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Poin (pt)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Ukuran sendiri</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Kiri ke Kanan, Atas ke Bawah</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Kiri ke Kanan, Bawah ke Atas</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Kanan ke Kiri, Bawah ke Atas</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Kanan ke Kiri, Atas ke Bawah</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bawah ke Atas, Kiri ke Kanan</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bawah ke Atas, Kanan ke Kiri</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Atas ke Bawah, Kiri ke Kanan</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Atas ke Bawah, Kanan ke Kiri</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Semua Halaman</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Halaman Ganjil</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Halaman Genap</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opsi &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opsi &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Cetak ke Berkas (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Berkas lokal</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Tulis berkas PDF</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Cetak ke Berkas ...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 adalah folder.
Pilih nama berkas lain.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Berkas %1 tidak dapat ditulisi.
Pilih nama berkas lain.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 sudah ada.
Ganti berkas itu?</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Opsi &apos;Halaman per lembar&apos; dan &apos;Himpunan Halaman&apos; tidak dapat dipakai bersama.
Matikan salah satunya.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Penulisan Halaman Tidak Sah</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>Penulisan %1 tidak benar. Pakai &apos;,&apos; untuk memisahkan rentang dan halaman, &apos;-&apos; untuk menulis rentang, dan pastikan rentang tidak saling bertumpuk.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Pengaturan Bolak-balik Bertentangan</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Pengaturan cetak bolak-balik saling bertentangan. Perbaiki sekarang?</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roperti</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokasi:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Jenis:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Berkas keluaran:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Rentang cetak</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Cetak semua</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Halaman dari</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Tulis halaman atau rentang dipisah koma. Rentang ditulis dua angka dipisah tanda hubung. Mis.: 3,5-7,9 mencetak halaman 3, 5, 6, 7 dan 9.</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Halaman Ini</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Himpunan Halaman:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Pengaturan Keluaran</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Salinan:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Susun</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Terbalik</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Salinan</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mode Warna</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Berwarna</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Skala abu-abu</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Cetak Bolak-balik</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Jilid sisi panjang</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Jilid sisi pendek</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Properti Printer</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opsi Pekerjaan</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Pengaturan Halaman Bertentangan</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Opsi pengaturan halaman saling bertentangan. Perbaiki sekarang?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Opsi Lanjutan Bertentangan</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Beberapa opsi lanjutan saling bertentangan. Perbaiki sekarang?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Lanjutan</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Beberapa opsi saling bertentangan. Mohon perbaiki.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Pekerjaan</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Kendali Pekerjaan</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Jadwal cetak:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informasi tagihan:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritas pekerjaan:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Halaman Spanduk</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Akhir:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Awal:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Cetak Segera</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Tahan Tanpa Batas</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Siang (06:00 sampai 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Malam (18:00 sampai 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Giliran Kedua (16:00 sampai 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Giliran Ketiga (00:00 sampai 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Akhir Pekan (Sabtu sampai Minggu)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Waktu Tertentu</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Standar</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Tidak rahasia</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Konfidensial</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Terbatas</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Rahasia</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Sangat Rahasia</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 x 13 in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Ukuran sendiri (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Ukuran sendiri (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Ukuran sendiri (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Ukuran sendiri (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Ukuran sendiri (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Ukuran sendiri (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Amplop B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Amplop B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Amplop B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Amplop C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Amplop C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Amplop C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Amplop C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Amplop C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Amplop C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Amplop C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Amplop C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Amplop C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Amplop Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Amplop Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Amplop DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Amplop Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Amplop Italian</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Amplop Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Amplop Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Amplop Monarch</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Amplop PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Amplop PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Amplop PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Amplop PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Amplop PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Amplop PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Amplop PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Amplop PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Amplop PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Amplop PRC 9</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Amplop Personal</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Amplop US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Amplop US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Amplop US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Amplop US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Amplop US 9</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Kartu Pos</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Kartu Pos Ganda</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Kertas Lipat US (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Kertas Lipat Jerman (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Kertas Lipat Jerman Legal (8,5 x 13 in)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 x 10 in)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 x 10,5 in)</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Gulir ke Kiri</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Gulir ke Kanan</translation>
    </message>
</context>
</TS>
