<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>mnt</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>j</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Mengerti</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>dtk</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Kesalahan sistem</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Deteksi otomatis</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Periksa koneksi jaringan Anda</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Pengaturan mouse</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Pengaturan pintar</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Pengaturan perangkat lunak</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Personalisasi</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferensi</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Pengaturan pena pintar</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Buka jendela utama</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Panduan penggunaan</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Izin</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Perangkat tidak terdeteksi</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Colokkan penerima ke port USB komputer, atau hubungkan mouse melalui Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Pengaturan akan terbuka otomatis setelah perangkat terhubung</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Baterai lemah, harap isi daya</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Bahasa antarmuka</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Jalankan saat masuk</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Pengaturan gagal</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Item berikut menentukan fitur mana yang dapat digunakan</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Akses perangkat</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Membaca dan menulis node perangkat HID penerima untuk menghubungkan perangkat serta menerima tombol dan suara</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Pasang aturan udev yang disertakan program, lalu colokkan kembali penerima:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Aksesibilitas</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Bus aksesibilitas desktop (AT-SPI), untuk menulis teks yang dikenali langsung ke kolom input</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Pasang at-spi2-core, aktifkan aksesibilitas di pengaturan sistem, lalu masuk kembali</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Sesi X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Pintasan global, tombol simulasi, pemantauan input, dan tangkapan layar memerlukan sesi X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Pilih sesi X11 (Xorg) di layar masuk</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Terbatas</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Dalam sesi Wayland, tombol simulasi, pintasan global, pemantauan input, dan tangkapan layar hanya berfungsi pada jendela XWayland, tidak pada jendela Wayland asli; untuk semua fungsi, pilih sesi X11 (Xorg) di layar masuk</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Diizinkan</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Belum diizinkan</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Penerima tidak ditemukan</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Memeriksa</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Salin perintah</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Disalin</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Periksa lagi</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Pengaturan tambahan</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Beberapa pengaturan tidak dapat dibaca dan dikembalikan ke default</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>File pengaturan asli disimpan sebagai: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Perekaman gagal, periksa mikrofon</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Ditekan terlalu cepat</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Silakan bicara...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Tidak ada suara yang terdengar. Tekan tombol suara dan bicara lagi</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Beralih ke mode mengetik</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Beralih ke mode terjemahan</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Gagal terhubung ke server, periksa jaringan</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>File audio tidak dapat dibaca</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Audio jawaban tidak dapat diputar</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Gagal menempel</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Terjemahan gagal</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Tidak dapat membacakan: tidak ada mesin suara atau perangkat keluaran suara</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Audio tidak dapat diputar</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Tidak dapat membuka browser</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Tidak ada teks terpilih yang didapat</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Berhasil disalin</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Gagal menyalin</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Hasil pengenalan</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Terjemahkan pilihan</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Terjemahan tangkapan layar</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Pintasan tangkapan layar dipakai program lain</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Gagal menyimpan</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Gagal mengambil tangkapan layar</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Jendela AI tidak dapat dibuka</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Perangkat tidak terhubung</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Gagal membuka</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Terunduh %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Unduhan selesai</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Ekspor selesai</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Unduhan gagal, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Ekspor gagal, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Esc dipakai program lain; ganti mode untuk mengakhiri pena</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Layar tidak dapat dibaca</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Laser fisik</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Sorot</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Titik cahaya digital</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Kaca pembesar</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pena</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Beralih ke mode transmisi layar</translation>
    </message>
</context>
</TS>
