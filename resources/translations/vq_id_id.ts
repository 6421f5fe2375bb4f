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
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc sedang digunakan program lain; klik efeknya, lalu tekan Esc untuk keluar</translation>
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
    <message>
        <source>倒计时和警告</source>
        <translation>Hitung mundur dan peringatan</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 menit</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 menit</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 menit</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Durasi khusus (menit)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Fungsi tombol suara</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Mengetik dengan suara</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan suara</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Pencarian suara</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Beralih ke mode mikrofon</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Beralih ke mode pencarian</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Pengaturan input</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Kenali dengan tanda baca</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Mode ketik kompatibel</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Pengenalan ucapan panjang</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Bahasa input</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Pintasan ketik suara</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Pintasan terjemahan suara</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Pintasan pencarian suara</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Pengaturan terjemahan</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Bahasa terjemahan</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Mesin pencari suara</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Telepon/email</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Informasi tidak boleh kosong</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Masukkan nomor telepon atau email Anda</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Masukkan kata sandi</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Ingat kata sandi</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Lupa kata sandi</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Masuk</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Daftar</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Berhasil masuk</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Gagal masuk</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Kode verifikasi</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Masukkan ulang kata sandi</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Saya telah membaca dan menyetujui &lt;&lt;Kebijakan Privasi Corvane&gt;&gt; dan &lt;&lt;Perjanjian Layanan Pengguna Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Harap baca dan setujui &lt;&lt;Kebijakan Privasi Corvane&gt;&gt; dan &lt;&lt;Perjanjian Layanan Pengguna Corvane&gt;&gt; terlebih dahulu</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Masukkan kode verifikasi</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Konfirmasi kata sandi</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Kedua kata sandi tidak cocok</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Gagal mendapatkan kode verifikasi</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Pendaftaran gagal</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Atur ulang kata sandi</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Kata sandi diubah</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Gagal mengubah kata sandi</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Kirim kode</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>d untuk kirim ulang</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Silakan masuk</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Kirim</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Ketik pertanyaan Anda</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Sedang dibuat…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Isi ulang</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Berlaku hingga</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Gagal mendapatkan informasi pengguna</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Kata perintah</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Kata kunci</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Tambah perintah</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Hapus perintah suara "%1"?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>Perintah suara tidak akan berfungsi lagi setelah dihapus!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Gagal menghapus</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Klik di sini untuk menambah kata kunci, satu per baris</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Buat</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Gagal membuat</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Tambah perintah khusus</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Halaman web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Teks tetap</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Lengkapi formulir sebelum membuat</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Kata perintah sudah ada</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>File atau folder tidak ditemukan</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Isi ulang formulir sebelum membuat</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Gagal mengedit</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Masukkan jalur file audio…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Telusuri</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Lokasi simpan bawaan: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokumen</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Simpan sebagai</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Mulai transkripsi</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Sedang mentranskripsi, harap tunggu...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Menyala tetap</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Bernapas</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Berjalan</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Kecerahan</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Warna</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Rendah</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Tinggi</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Redup</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Tangan</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Tangan kiri</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Tangan kanan</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Pengingat baterai lemah</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Perangkat saya</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Hapus rekaman otomatis</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Indikator mati saat merekam</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Baterai:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Versi </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Nomor seri:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Tentang Mouse AI</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Versi perangkat lunak:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Versi firmware:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Catatan versi </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Pengetikan suara, terjemahan suara, pencarian suara, kontrol suara
Terjemahan kata, pengenalan tangkapan layar, terjemahan tangkapan layar, makro tombol</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Perbarui perangkat</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Perbarui penerima</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Batalkan pembaruan</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Jika perangkat tidak terhubung setelah pembaruan, pasangkan kembali</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Anda memiliki versi terbaru</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Pembaruan gagal</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Pembaruan dibatalkan</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Pembaruan firmware sedang berjalan. Keluar akan menghentikannya.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Lanjutkan pembaruan</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Batalkan dan keluar</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>Periksa sekarang</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Atur ulang driver</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Perangkat dan lingkungan Anda normal. Jika ada masalah, hubungi layanan pelanggan</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Ada masalah pada perangkat atau lingkungan Anda. Jika ada masalah, hubungi layanan pelanggan</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Transkripsi audio</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Riwayat transkripsi</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Kosakata saya</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Riwayat isi ulang</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Nama panggilan</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Ubah kata sandi</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Sisa menit:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Masukkan kata sandi saat ini</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Masukkan kata sandi baru</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Ulangi kata sandi baru</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Masuk dengan kode</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Masuk dengan kata sandi</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Nomor telepon</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Masukkan nomor telepon</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Dapatkan kode</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Masukkan kode</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Masukkan kata sandi</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Pindai</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>untuk masuk</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Masuk ke kreasi AI</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Atur ulang fungsi tombol</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Pengaturan tidak dapat disimpan; perubahan akan hilang saat program dimulai lagi</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Tidak dapat menulis: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Program lain sedang memakai basis data perintah suara; perintah akan disimpan nanti</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>Basis data perintah suara rusak dan telah dibuat ulang</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Berkas lama disimpan sebagai: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Mengenali…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Tidak ada folder home yang dapat dipakai: pengaturan dan log tidak akan disimpan</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>Jendela AI tidak dapat dibuka saat berjalan sebagai root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Kata sandi tidak dapat diingat: tidak ada layanan keyring</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Kata sandi tidak dapat diingat: keyring tidak menyimpannya</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Unduhan firmware gagal; akan dicoba lagi pada pemeriksaan berikutnya</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Tidak ada suara untuk bahasa ini; suara bawaan yang membacanya</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>File pengaturan asli tidak dapat disalin; pengaturan yang tidak terbaca untuk sementara tetap di: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>Basis data perintah suara tidak dapat digunakan; perintah hanya disimpan untuk sesi ini</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Berkas basis data dibiarkan apa adanya. Alasan: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Fungsi tombol tidak dapat dimuat; fungsi akan diambil lagi saat perangkat terhubung atau halaman ini dibuka berikutnya</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Tidak ada teks yang dikenali</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Tentang pena pintar</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>SN: %1         Versi perangkat lunak: %2         Versi firmware: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Pembaruan berhasil</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Tambah perintah</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Berlaku hingga: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Kembali</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>Halaman obrolan AI perangkat ini belum tersedia. Pertanyaan Anda disimpan di sini; periksa koneksi jaringan Anda.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>Halaman obrolan AI perangkat ini belum tersedia. Pertanyaan Anda disimpan di sini; sambungkan perangkat dan periksa koneksi jaringan Anda.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>Asisten AI</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Penulisan AI</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Perekaman gagal</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Pengenalan suara gagal</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>File firmware tidak valid; versi ini tidak akan diunduh lagi</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Program sudah berjalan di sesi Anda yang lain. Gunakan di sana, atau tutup dulu di sana.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Program sudah berjalan tetapi tidak merespons. Hentikan program, lalu mulai lagi.</translation>
    </message>
</context>
</TS>
